#include "editorview.h"

#include <cstdio>

namespace sequate::host::sim {

namespace {

const DocumentData* openDocument(const SimPowerLogic& logic) {
    const auto open = logic.openIndex();
    return open ? &logic.documents().at(*open) : nullptr;
}

std::string openTitle(const SimPowerLogic& logic) {
    const auto open = logic.openIndex();
    return open ? documentTitle(logic.documents().at(*open), *open) : "no document";
}

// Coordinates as a designer types them: no trailing zeros, no exponent for a sheet's sizes.
std::string coordinate(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string positionOf(const ComponentData& component) {
    if (component.placements.empty())
        return "not placed";
    std::string position;
    for (const auto& at : component.placements) {
        if (!position.empty())
            position += ' ';
        position += "(" + coordinate(at.x) + ", " + coordinate(at.y) + ")";
    }
    return position;
}

} // namespace

std::string documentTitle(const DocumentData& doc, std::size_t index) {
    const std::string name =
        doc.name.empty() ? "(unsaved document " + std::to_string(index + 1) + ")" : doc.name;
    return name + " (" + std::to_string(doc.components.size()) + " components)";
}

std::string windowTitle(const SimPowerLogic& logic) {
    return "Simulated PowerLogic and PowerPCB - " + openTitle(logic);
}

std::string statusLine(const SimPowerLogic& logic) {
    return logic.passOpen() ? "A pass is running: your edits wait until it ends."
                            : "PowerLogic: " + openTitle(logic);
}

std::vector<std::size_t> selectedComponents(const SimPowerLogic& logic) {
    std::vector<std::size_t> selected;
    if (const DocumentData* doc = openDocument(logic)) {
        for (std::size_t i = 0; i < doc->components.size(); ++i) {
            if (doc->components[i].selected)
                selected.push_back(i);
        }
    }
    return selected;
}

std::vector<ComponentLine> componentLines(const SimPowerLogic& logic) {
    std::vector<ComponentLine> lines;
    if (const DocumentData* doc = openDocument(logic)) {
        lines.reserve(doc->components.size());
        for (const auto& component : doc->components)
            lines.push_back({component.name, positionOf(component)});
    }
    return lines;
}

} // namespace sequate::host::sim
