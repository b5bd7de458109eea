// Reading the state file with nlohmann's JSON, the same on every platform.

#include "statefile.h"

#include "host/filesafety.h"
#include "jsonsyntax.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace sequate::host::sim {

namespace {

using Json = nlohmann::json;

// Walks the parsed JSON and names the place of every fault, such as
// "documents[0].components[12].name".
class StateReader {
public:
    explicit StateReader(std::string fileName) : mFileName(std::move(fileName)) {}

    SimState state(const Json& root) const;

private:
    [[noreturn]] void fail(const std::string& place, const std::string& fault) const {
        throw StateFileError(mFileName + ": " + place + ": " + fault);
    }

    void object(const Json& value, const std::string& place,
                std::initializer_list<const char*> keys) const;
    const Json& required(const Json& object, const std::string& place, const char* key) const;
    // Reads every item of an array with the given member, each at its own place.
    template <typename Item>
    std::vector<Item> list(const Json& value, const std::string& place,
                           Item (StateReader::*read)(const Json&, const std::string&) const) const;
    std::string text(const Json& value, const std::string& place) const;
    std::string partName(const Json& value, const std::string& place) const;
    DocumentData document(const Json& value, const std::string& place) const;
    ComponentData component(const Json& value, const std::string& place) const;
    PlacementData placement(const Json& value, const std::string& place) const;
    LayoutData layout(const Json& value, const std::string& place) const;

    std::string mFileName;
};

void StateReader::object(const Json& value, const std::string& place,
                         std::initializer_list<const char*> keys) const {
    if (!value.is_object())
        fail(place, "expected an object");
    std::string known;
    for (const char* key : keys)
        known += (known.empty() ? "" : ", ") + std::string(key);
    for (const auto& [key, ignored] : value.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            fail(place, "unknown key \"" + key + "\" (known keys: " + known + ")");
    }
}

const Json& StateReader::required(const Json& object, const std::string& place,
                                  const char* key) const {
    const auto found = object.find(key);
    if (found == object.end())
        fail(place, std::string("missing key \"") + key + "\"");
    return *found;
}

template <typename Item>
std::vector<Item> StateReader::list(const Json& value, const std::string& place,
                                    Item (StateReader::*read)(const Json&, const std::string&)
                                        const) const {
    if (!value.is_array())
        fail(place, "expected an array");
    std::vector<Item> result;
    for (std::size_t i = 0; i < value.size(); ++i)
        result.push_back((this->*read)(value[i], place + "[" + std::to_string(i) + "]"));
    return result;
}

std::string StateReader::text(const Json& value, const std::string& place) const {
    if (!value.is_string())
        fail(place, "expected a string");
    return value.get<std::string>();
}

std::string StateReader::partName(const Json& value, const std::string& place) const {
    std::string name = text(value, place);
    if (name.empty())
        fail(place, "a part name cannot be empty");
    return name;
}

SimState StateReader::state(const Json& root) const {
    const std::string top = "top level";
    object(root, top, {"documents", "layout"});
    SimState state;
    state.documents = list(required(root, top, "documents"), "documents", &StateReader::document);
    if (root.contains("layout"))
        state.layout = layout(root["layout"], "layout");
    return state;
}

DocumentData StateReader::document(const Json& value, const std::string& place) const {
    object(value, place, {"name", "components"});
    DocumentData document;
    document.name = text(required(value, place, "name"), place + ".name");
    document.components =
        list(required(value, place, "components"), place + ".components", &StateReader::component);
    return document;
}

ComponentData StateReader::component(const Json& value, const std::string& place) const {
    object(value, place, {"name", "selected", "placements"});
    ComponentData component;
    component.name = partName(required(value, place, "name"), place + ".name");
    if (value.contains("selected")) {
        if (!value["selected"].is_boolean())
            fail(place + ".selected", "expected true or false");
        component.selected = value["selected"].get<bool>();
    }
    if (value.contains("placements"))
        component.placements =
            list(value["placements"], place + ".placements", &StateReader::placement);
    return component;
}

PlacementData StateReader::placement(const Json& value, const std::string& place) const {
    const auto finite = [](const Json& number) {
        return number.is_number() && std::isfinite(number.get<double>());
    };
    if (!value.is_array() || value.size() != 2 || !finite(value[0]) || !finite(value[1]))
        fail(place, "expected two finite numbers [x, y]");
    return {value[0].get<double>(), value[1].get<double>()};
}

LayoutData StateReader::layout(const Json& value, const std::string& place) const {
    object(value, place, {"name", "parts"});
    LayoutData layout;
    layout.name = text(required(value, place, "name"), place + ".name");
    layout.parts = list(required(value, place, "parts"), place + ".parts", &StateReader::partName);
    return layout;
}

std::string systemReason() {
    return std::generic_category().message(errno);
}

// Text that is not JSON at all is named for what it is, before the syntax check would call it
// an illegal value at line 1.
std::optional<std::string> notJsonText(const std::string& bytes) {
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos)
        return "the file is empty";
    const bool byteOrderMark = bytes.starts_with("\xff\xfe") || bytes.starts_with("\xfe\xff");
    if (byteOrderMark || (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0')))
        return "the file is UTF-16 text; save it as UTF-8";
    return std::nullopt;
}

} // namespace

SimState parseState(const std::string& json, const std::string& fileName) {
    if (const auto fault = notJsonText(json))
        throw StateFileError(fileName + ": " + *fault);
    if (const auto fault = jsonSyntaxFault(json))
        throw StateFileError(fileName + ": " + *fault);
    return StateReader(fileName).state(Json::parse(json));
}

SimState loadStateFile(const std::string& path) {
    if (const auto other = notARegularFile(path))
        throw StateFileError(path + ": cannot read: it is " + *other + ", not a state file");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw StateFileError(path + ": cannot open: " + systemReason());
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        throw StateFileError(path + ": cannot read: " + systemReason());
    return parseState(bytes.str(), path);
}

} // namespace sequate::host::sim
