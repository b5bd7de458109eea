#pragma once

// Plain data of the simulated hosts: what a state file holds and what the simulators start
// from. No behaviour here.

#include <optional>
#include <string>
#include <vector>

namespace sequate::host::sim {

struct PlacementData {
    double x = 0; // FirstCoordinate
    double y = 0; // SecondCoordinate

    bool operator==(const PlacementData&) const = default;
};

struct ComponentData {
    std::string name;
    bool selected = false;
    std::vector<PlacementData> placements; // one per gate; may be empty

    bool operator==(const ComponentData&) const = default;
};

struct DocumentData {
    std::string name; // empty for a document never saved
    std::vector<ComponentData> components;

    bool operator==(const DocumentData&) const = default;
};

struct LayoutData {
    std::string name;
    std::vector<std::string> parts;

    bool operator==(const LayoutData&) const = default;
};

struct SimState {
    std::vector<DocumentData> documents; // the first is open at start
    // Without a layout the simulated PowerPCB starts with the open document's part names.
    std::optional<LayoutData> layout;

    bool operator==(const SimState&) const = default;
};

} // namespace sequate::host::sim
