// Writing the state file: one component per line, so that a saved state reads well in a diff.

#include "host/filesafety.h"
#include "statefile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <system_error>

namespace sequate::host::sim {

namespace {

// nlohmann escapes the text; a name that is no UTF-8 is refused here, where its place is known,
// not when the file is read back.
std::string quoted(const std::string& text, const std::string& place) {
    try {
        return nlohmann::json(text).dump();
    } catch (const nlohmann::json::type_error&) {
        throw StateFileError(place + ": not UTF-8 text");
    }
}

// The shortest text that reads back as the same double.
std::string number(double value, const std::string& place) {
    if (!std::isfinite(value))
        throw StateFileError(place + ": a coordinate must be a finite number");
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string placements(const ComponentData& component, const std::string& place) {
    std::string out = "[";
    for (std::size_t i = 0; i < component.placements.size(); ++i) {
        const auto& placement = component.placements[i];
        const std::string where = place + ".placements[" + std::to_string(i) + "]";
        out += (i == 0 ? "[" : ", [") + number(placement.x, where) + ", " +
               number(placement.y, where) + "]";
    }
    return out + "]";
}

std::string component(const ComponentData& component, const std::string& place) {
    std::string out = "{\"name\": " + quoted(component.name, place + ".name");
    if (component.selected)
        out += ", \"selected\": true";
    if (!component.placements.empty())
        out += ", \"placements\": " + placements(component, place);
    return out + "}";
}

std::string document(const DocumentData& document, const std::string& place) {
    std::string out = "    {\n      \"name\": " + quoted(document.name, place + ".name") + ",\n";
    if (document.components.empty())
        return out + "      \"components\": []\n    }";
    out += "      \"components\": [\n";
    for (std::size_t i = 0; i < document.components.size(); ++i) {
        const std::string where = place + ".components[" + std::to_string(i) + "]";
        out += "        " + component(document.components[i], where) +
               (i + 1 < document.components.size() ? ",\n" : "\n");
    }
    return out + "      ]\n    }";
}

std::string layout(const LayoutData& layout) {
    std::string out =
        "  \"layout\": {\n    \"name\": " + quoted(layout.name, "layout.name") + ",\n";
    if (layout.parts.empty())
        return out + "    \"parts\": []\n  }\n";
    out += "    \"parts\": [\n";
    for (std::size_t i = 0; i < layout.parts.size(); ++i)
        out += "      " + quoted(layout.parts[i], "layout.parts[" + std::to_string(i) + "]") +
               (i + 1 < layout.parts.size() ? ",\n" : "\n");
    return out + "    ]\n  }\n";
}

} // namespace

std::string serializeState(const SimState& state) {
    std::string out = "{\n  \"documents\": [";
    for (std::size_t i = 0; i < state.documents.size(); ++i)
        out += (i == 0 ? "\n" : ",\n") +
               document(state.documents[i], "documents[" + std::to_string(i) + "]");
    out += state.documents.empty() ? "]" : "\n  ]";
    out += state.layout ? ",\n" + layout(*state.layout) : "\n";
    return out + "}\n";
}

static std::string serializedFor(const std::string& path, const SimState& state) {
    try {
        return serializeState(state);
    } catch (const StateFileError& error) {
        throw StateFileError(path + ": " + error.what());
    }
}

void saveStateFile(const std::string& path, const SimState& state) {
    const std::string text = serializedFor(path, state);
    if (const auto other = notARegularFile(path))
        throw StateFileError(path + ": cannot write: it is " + *other +
                             ", not a file, so it is not replaced");
    // Written beside the target and renamed over it only once everything is written.
    const std::string temporary = path + ".new";
    const auto failed = [&](const std::string& reason) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return StateFileError(path + ": cannot write: " + reason);
    };
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file)
        throw failed(std::generic_category().message(errno));
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    // Closed before anything is removed: Windows removes no open file.
    file.close();
    if (!file)
        throw failed(std::generic_category().message(errno));
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        throw failed(error.message());
}

} // namespace sequate::host::sim
