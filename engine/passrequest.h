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

// The start box's number, a whole number from 1 to 32767: made only by reading the start text.
// A start below 1 gives names such as R0, C-5 or a bare "-1", a fraction would be rounded
// without a word, and part-name numbers are 16-bit.
class StartNumber {
public:
    // The start box's first text, "1".
    StartNumber() = default;
    // Blanks and tabs around the number allowed. Old program: CheckTextBox, which answered true
    // when the text was NOT acceptable and took 0 away only.
    static std::optional<StartNumber> read(const std::string& startText);

    std::int16_t value() const { return mValue; }
    bool operator==(const StartNumber&) const = default;

private:
    explicit StartNumber(std::int16_t value) : mValue(value) {}
    std::int16_t mValue = 1;
};

struct PassRequest {
    PassScope scope = PassScope::AllComponents;
    // Always None for a pass over every component.
    TakenNamePolicy policy = TakenNamePolicy::None;
    StartNumber start; // the first number each letter code gets
    EcoDestination eco = EcoDestination::None;
    WalkOrder order = WalkOrder::Standard;
    // Components that keep their names; their numbers count as taken.
    LeaveAlone leaveAlone = {};

    bool operator==(const PassRequest&) const = default;
};

// Why no request was made, for the window to word: the box that cannot be used, and what in it.
struct PassRefusal {
    enum class Box {
        ScopeOptions, // neither "Sequate all components" nor "Sequate selected components"
        Start,        // the start text is no StartNumber
        LeaveAlone,   // an entry is neither a part name nor a letter code followed by *
    };
    Box box = Box::Start;
    PassScope scope = PassScope::AllComponents; // the start box's words differ between the two
    std::string entry;                          // the leave-alone entry, as typed

    bool operator==(const PassRefusal&) const = default;
};

// Exactly one of the two is set.
struct RequestOrRefusal {
    std::optional<PassRequest> request;
    std::optional<PassRefusal> refusal;
};

// The one maker of a request. Old program: the checks of cmdRun_Click. The start is checked
// first; a leave-alone text that does not read is refused too, before anything is read of the
// schematic.
RequestOrRefusal requestPass(PassScope scope, TakenNamePolicy policy, const std::string& startText,
                             EcoDestination eco, WalkOrder order = WalkOrder::Standard,
                             const std::string& leaveAloneText = {});

} // namespace sequate::engine
