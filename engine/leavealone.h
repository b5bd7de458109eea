#pragma once

// The components a pass keeps at their names whatever else it does: connectors, test points,
// mounting holes or one particular part, typed in the main window as "J*, TP*, MH*, U1".

#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

struct LeaveAlone {
    // Each entry as typed, in order: "J*" for every component of the letter code J, or an exact
    // part name, compared case-sensitively as all names. The report names those that match no
    // component.
    std::vector<std::string> entries;

    bool empty() const { return entries.empty(); }
    bool matches(const std::string& name) const;
    // Whether the entry (one of entries) matches the name.
    static bool entryMatches(const std::string& entry, const std::string& name);

    bool operator==(const LeaveAlone&) const = default;
};

struct LeaveAloneOrRefusal {
    std::optional<LeaveAlone> leaveAlone;
    std::string refusedEntry; // the first entry that is neither a pattern nor a part name
};

// Entries are separated by commas or blanks. An entry ending in * must be a letter code (the
// capital letters A to Z) before it; any other entry must be a PartName, as PowerLogic takes it.
LeaveAloneOrRefusal parseLeaveAlone(const std::string& text);

} // namespace sequate::engine
