#pragma once

// What the preview and the report windows share: a summary on top, the filter box, the list of
// names before and after, and a row of buttons along the bottom, all growing with the window.

#include "nativewindow.h"
#include "ui/listwindows.h"
#include "ui/namerows.h"

#include <vector>

namespace sequate::win {

class NameListWindow : public NativeWindow {
public:
    // The rows the filter lets through, in the list's order.
    std::vector<ui::NameRow> shownRows() const;

protected:
    // A control between the list and the buttons: a fixed height in twips, or a share of the
    // height left over beside the list's 3.
    struct Band {
        HWND control;
        int twips = 0;
        int share = 0;
    };

    NameListWindow(const ui::Labelled& window, HWND owner);
    // New rows, in the order given, with the filter cleared.
    void setRows(const std::vector<ui::NameRow>& rows);
    void setSummary(const std::string& text);
    HWND addButton(const ui::Labelled& button, bool right);
    // Once the bands and buttons are added: the font, the first size, the layout.
    void finishLayout();
    std::vector<Band> mBands;

    void arrange() override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A button was pressed.
    virtual void clicked(HWND button) = 0;

private:
    void showRows();
    void sortBy(int column);

    HWND mSummary;
    HWND mFilter;
    HWND mList;
    std::vector<HWND> mLeftButtons;
    std::vector<HWND> mRightButtons;
    std::vector<ui::NameRow> mRows; // in the list's order
    ui::RowOrder mOrder;
};

} // namespace sequate::win
