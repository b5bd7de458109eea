#pragma once

// What a window of the simulated PowerLogic shows and what its selection is made of, without a
// toolkit: the Qt window of sequate-hostsim and the Win32 window of sequate-comsim both draw
// from here, so that the two simulators look and answer alike.

#include "simpowerlogic.h"
#include "simstate.h"

#include <cstddef>
#include <string>
#include <vector>

namespace sequate::host::sim {

// "amp.sch (4 components)", or "(unsaved document 2) (0 components)" for one never saved.
std::string documentTitle(const DocumentData& doc, std::size_t index);
// "Simulated PowerLogic and PowerPCB - " and the open document's title, or "no document".
std::string windowTitle(const SimPowerLogic& logic);
// While a pass is open the user's edits wait, and the user is told so.
std::string statusLine(const SimPowerLogic& logic);

// The components of the open document that are selected, ascending; none without a document.
std::vector<std::size_t> selectedComponents(const SimPowerLogic& logic);

// A component as a list shows it: its name and where its gates lie on the sheet.
struct ComponentLine {
    std::string name;
    std::string position; // "(1000, 0)", "(0, 1000) (500, 500)" for two gates, "not placed"

    bool operator==(const ComponentLine&) const = default;
};
// Every component of the open document, in the document's order; none without a document.
std::vector<ComponentLine> componentLines(const SimPowerLogic& logic);

} // namespace sequate::host::sim
