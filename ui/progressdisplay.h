#pragma once

// The progress bar's numbers as a view's bar can draw them: whole numbers from 0 to a maximum
// above 0. A count of no steps (a working list of one component, or none) is drawn as an empty
// bar, never as "busy"; what does not fit an int is cut.

namespace sequate::ui {

struct BarPosition {
    int maximum = 1; // above 0
    int value = 0;   // 0 to maximum
};

BarPosition barPosition(long long done, long long total);

} // namespace sequate::ui
