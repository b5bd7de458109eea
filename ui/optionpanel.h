#pragma once

// The options of a pass as the main window holds them: which are chosen, which can be chosen,
// and what a click on each does to the others. A view shows this state after every click and
// asks it, never its own controls, what the user chose.

#include "engine/passrequest.h"
#include "mainwindowlayout.h"

#include <array>
#include <optional>
#include <string>

namespace sequate::ui {

class OptionPanel {
public:
    // The user clicked an option or the check box; a greyed one does nothing. Old
    // program: optStart_Click, optSelected_Click, chkSend_Click, and the options' own
    // exclusion within their frame.
    void click(Control control);
    // Another document was opened in PowerLogic: the all-components option is cleared,
    // without the click effects of any option.
    void clearAllComponents();
    void setStartText(std::string text) { mStartText = std::move(text); }
    void setOrder(engine::WalkOrder order) { mOrder = order; }
    void setLeaveAloneText(std::string text) { mLeaveAloneText = std::move(text); }

    bool enabled(Control control) const;
    // Option buttons and the check box: whether they show chosen.
    bool chosen(Control control) const;
    const std::string& startText() const { return mStartText; }
    engine::WalkOrder order() const { return mOrder; }
    const std::string& leaveAloneText() const { return mLeaveAloneText; }
    // A text box's text: the start box's or the leave-alone box's.
    const std::string& text(Control box) const;

    std::optional<engine::PassScope> scope() const { return mScope; }
    engine::TakenNamePolicy policy() const { return mPolicy; }
    // The ECO step asked for: None when the check box is clear.
    engine::EcoDestination eco() const;

private:
    std::optional<engine::PassScope> mScope; // neither start option at first
    engine::TakenNamePolicy mPolicy = engine::TakenNamePolicy::None;
    bool mModeEnabled = false;
    bool mStartBoxEnabled = false;
    std::string mStartText;
    engine::WalkOrder mOrder = engine::WalkOrder::Standard;
    std::string mLeaveAloneText;
    bool mSendEco = false; // the ECO options can be chosen exactly while it is ticked
    // Which ECO option is chosen, whether or not the box is ticked.
    engine::EcoDestination mEcoOption = engine::EcoDestination::PowerPcb;
};

inline constexpr std::size_t walkOrderCount = 3;
// The order box's entries, one per engine::WalkOrder in its order. The first names the old
// program's order, which differs between the scopes; with neither chosen, the box is greyed.
std::array<const char*, walkOrderCount> walkOrderEntries(std::optional<engine::PassScope> scope);

} // namespace sequate::ui
