// The state file without Qt, for the builds that have none (the Windows one): the same file
// and the same faults named by their place, read with nlohmann's JSON.

#include "statefile.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <sstream>

namespace sequate::host::sim {

namespace {

using Json = nlohmann::json;

class StateReader {
public:
    explicit StateReader(std::string fileName) : mFileName(std::move(fileName)) {}

    SimState state(const Json& root) const {
        const std::string top = "top level";
        object(root, top, {"documents", "layout"});
        SimState state;
        for (std::size_t i = 0; i < array(required(root, top, "documents"), "documents").size();
             ++i)
            state.documents.push_back(document(root["documents"][i], item("documents", i)));
        if (root.contains("layout"))
            state.layout = layout(root["layout"], "layout");
        return state;
    }

private:
    [[noreturn]] void fail(const std::string& place, const std::string& fault) const {
        throw StateFileError(mFileName + ": " + place + ": " + fault);
    }
    static std::string item(const std::string& place, std::size_t index) {
        return place + "[" + std::to_string(index) + "]";
    }
    void object(const Json& value, const std::string& place,
                std::initializer_list<const char*> keys) const {
        if (!value.is_object())
            fail(place, "expected an object");
        for (const auto& [key, ignored] : value.items()) {
            bool known = false;
            std::string list;
            for (const char* name : keys) {
                known = known || key == name;
                list += (list.empty() ? "" : ", ") + std::string(name);
            }
            if (!known)
                fail(place, "unknown key \"" + key + "\" (known keys: " + list + ")");
        }
    }
    const Json& required(const Json& object, const std::string& place, const char* key) const {
        if (!object.contains(key))
            fail(place, std::string("missing key \"") + key + "\"");
        return object[key];
    }
    const Json& array(const Json& value, const std::string& place) const {
        if (!value.is_array())
            fail(place, "expected an array");
        return value;
    }
    std::string text(const Json& value, const std::string& place) const {
        if (!value.is_string())
            fail(place, "expected a string");
        return value.get<std::string>();
    }
    std::string partName(const Json& value, const std::string& place) const {
        std::string name = text(value, place);
        if (name.empty())
            fail(place, "a part name cannot be empty");
        return name;
    }
    DocumentData document(const Json& value, const std::string& place) const {
        object(value, place, {"name", "components"});
        DocumentData document;
        document.name = text(required(value, place, "name"), place + ".name");
        const Json& components = array(required(value, place, "components"), place + ".components");
        for (std::size_t i = 0; i < components.size(); ++i)
            document.components.push_back(component(components[i], item(place + ".components", i)));
        return document;
    }
    ComponentData component(const Json& value, const std::string& place) const {
        object(value, place, {"name", "selected", "placements"});
        ComponentData component;
        component.name = partName(required(value, place, "name"), place + ".name");
        if (value.contains("selected")) {
            if (!value["selected"].is_boolean())
                fail(place + ".selected", "expected true or false");
            component.selected = value["selected"].get<bool>();
        }
        if (value.contains("placements")) {
            const Json& placements = array(value["placements"], place + ".placements");
            for (std::size_t i = 0; i < placements.size(); ++i) {
                const Json& pair = placements[i];
                const auto finite = [](const Json& number) {
                    return number.is_number() && std::isfinite(number.get<double>());
                };
                if (!pair.is_array() || pair.size() != 2 || !finite(pair[0]) || !finite(pair[1]))
                    fail(item(place + ".placements", i), "expected two finite numbers [x, y]");
                component.placements.push_back({pair[0].get<double>(), pair[1].get<double>()});
            }
        }
        return component;
    }
    LayoutData layout(const Json& value, const std::string& place) const {
        object(value, place, {"name", "parts"});
        LayoutData layout;
        layout.name = text(required(value, place, "name"), place + ".name");
        const Json& parts = array(required(value, place, "parts"), place + ".parts");
        for (std::size_t i = 0; i < parts.size(); ++i)
            layout.parts.push_back(partName(parts[i], item(place + ".parts", i)));
        return layout;
    }

    std::string mFileName;
};

} // namespace

SimState parseState(const std::string& json, const std::string& fileName) {
    Json root;
    try {
        root = Json::parse(json);
    } catch (const Json::parse_error& error) {
        throw StateFileError(fileName + ": invalid JSON: " + error.what());
    }
    return StateReader(fileName).state(root);
}

SimState loadStateFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw StateFileError(path + ": cannot open");
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return parseState(bytes.str(), path);
}

std::string serializeState(const SimState& state) {
    Json documents = Json::array();
    for (const DocumentData& document : state.documents) {
        Json components = Json::array();
        for (const ComponentData& component : document.components) {
            Json placements = Json::array();
            for (const PlacementData& placement : component.placements)
                placements.push_back({placement.x, placement.y});
            components.push_back({{"name", component.name},
                                  {"selected", component.selected},
                                  {"placements", placements}});
        }
        documents.push_back({{"name", document.name}, {"components", components}});
    }
    Json root = {{"documents", documents}};
    if (state.layout)
        root["layout"] = {{"name", state.layout->name}, {"parts", state.layout->parts}};
    return root.dump(1) + "\n";
}

void saveStateFile(const std::string& path, const SimState& state) {
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << serializeState(state);
        if (!file.flush())
            throw StateFileError(path + ": cannot write");
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        throw StateFileError(path + ": cannot write: " + error.message());
}

} // namespace sequate::host::sim
