#include "jsonsyntax.h"

#include <algorithm>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>
#include <vector>

namespace sequate::host::sim {

namespace {

using Json = nlohmann::json;

// A reading that builds nothing: it keeps the open objects and arrays, so that an end of input
// can be told as the object or array left open, and where and why the parser stopped.
class FaultFinder : public nlohmann::json_sax<Json> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return open('{'); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open('['); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&,
                     const Json::exception& error) override {
        mOffset = position;
        mFault = words(error.what());
        return false;
    }

    std::size_t offset() const { return mOffset; }
    const std::string& fault() const { return mFault; }

private:
    bool open(char bracket) {
        mOpen.push_back(bracket);
        return true;
    }
    bool close() {
        mOpen.pop_back();
        return true;
    }

    // nlohmann says what it expected; the file's readers were told what is wrong.
    std::string words(std::string_view said) const {
        if (said.find("unexpected end of input") != said.npos)
            return mOpen.empty()         ? "illegal value"
                   : mOpen.back() == '{' ? "unterminated object"
                                         : "unterminated array";
        // The first whose part the parser's words hold.
        static constexpr std::pair<std::string_view, const char*> told[] = {
            {"number overflow", "illegal number"},
            {"invalid number", "illegal number"},
            {"missing closing quote", "unterminated string"},
            {"UTF-8", "invalid UTF8 string"},
            {"control character", "control character in a string"},
            {"invalid string", "invalid escape sequence"},
            {"expected end of input", "garbage at the end of the document"},
            {"object key - unexpected '}'", "object is missing after a comma"},
            {"value - unexpected '}'", "object is missing after a comma"},
            {"value - unexpected ']'", "object is missing after a comma"},
            {"while parsing object separator", "missing name separator"},
            {"while parsing object", "unterminated object"},
            {"while parsing array", "missing value separator"},
        };
        for (const auto& [part, words] : told) {
            if (said.find(part) != said.npos)
                return words;
        }
        return "illegal value";
    }

    std::vector<char> mOpen;
    std::size_t mOffset = 0;
    std::string mFault;
};

// The parser counts the end of the input as a character read; people look for lines and columns.
std::string position(const std::string& text, std::size_t offset) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size()));
    const auto lineStart = std::find(std::make_reverse_iterator(end), text.rend(), '\n').base();
    const auto line = std::count(text.begin(), end, '\n') + 1;
    const auto column = std::distance(lineStart, end) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

} // namespace

std::optional<std::string> jsonSyntaxFault(const std::string& text) {
    FaultFinder finder;
    if (Json::sax_parse(text, &finder))
        return std::nullopt;
    return position(text, finder.offset()) + ": invalid JSON: " + finder.fault();
}

} // namespace sequate::host::sim
