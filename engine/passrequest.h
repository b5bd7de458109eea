#pragma once

// What a pass is asked to do: made once, when Run or Preview is pressed, from the options the
// user chose. The engine is given this value; it never reads a control.

#include "leavealone.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sequate::engine {

enum class PassScope { AllComponents, SelectedComponents };

// What a selected component does when the name it should get is already taken.
enum class TakenNamePolicy {
    None,             // neither option chosen: the selected components keep their names
    AssignNextFree,   // "Assign next free names"
    RenameDuplicates, // "Rename duplicates": the holder moves to a free name
};

// Where the ECO file of a pass goes.
enum class EcoDestination {
    None,       // "Write ECO file for PowerPCB" clear: no file
    ChosenFile, // "Write only": a file the user chooses in the save dialog
    PowerPcb,   // "Write and force read in PCB": handed to the running PowerPCB
};

// The order in which a pass walks the components it numbers; numbers still go per letter code
// in walk order.
enum class WalkOrder {
    Standard,       // all components "As PowerLogic lists them", selected ones "By position":
                    // the old program's orders
    AcrossThenDown, // "Across, then down": rows from the top of the sheet, each left to right
    DownThenAcross, // "Down, then across": columns from the left, each top to bottom
};

struct PassRequest {
    PassScope scope = PassScope::AllComponents;
    // Always None for a pass over every component.
    TakenNamePolicy policy = TakenNamePolicy::None;
    std::int16_t start = 1; // the first number each letter code gets
    EcoDestination eco = EcoDestination::None;
    WalkOrder order = WalkOrder::Standard;
    // Components that keep their names; their numbers count as taken.
    LeaveAlone leaveAlone = {};

    bool operator==(const PassRequest&) const = default;
};

// The start box's number when its text is a whole number from 1 to 32767, blanks and tabs
// around it allowed. Old program: CheckTextBox, which answered true when the text was NOT
// acceptable and took 0 away only.
std::optional<std::int16_t> startNumber(const std::string& startText);

struct RequestOrRefusal {
    std::optional<PassRequest> request;
    std::string refusal; // the words of the refusal when the start text cannot be used
};

// The one maker of a request. Old program: the checks of cmdRun_Click, whose refusal words
// differ between the two scopes. A leave-alone text that does not read is refused too, naming
// the entry, before anything is read of the schematic.
RequestOrRefusal requestPass(PassScope scope, TakenNamePolicy policy, const std::string& startText,
                             EcoDestination eco, WalkOrder order = WalkOrder::Standard,
                             const std::string& leaveAloneText = {});

// The title of the box that tells a refusal.
inline constexpr const char* startRefusalTitle = "Error Message";

} // namespace sequate::engine
