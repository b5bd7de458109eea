#include "namelistwindow.h"

#include "dpi.h"
#include "widetext.h"

#include <algorithm>
#include <commctrl.h>

namespace sequate::win {

namespace {

constexpr int margin = 120;     // twips around and between the controls
constexpr int lineHeight = 330; // the filter box and a button row
constexpr int buttonWidth = 1200;
constexpr int nameColumnWidth = 1300; // a name of 15 characters; the note has the rest
constexpr int listShare = 3;

void move(HWND control, int x, int y, int width, int height) {
    ::SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A button is as wide as its caption needs in its font, and no narrower than the others.
int buttonWidthFor(HWND button, UINT dpi) {
    return std::max(twipsToPixels(buttonWidth, dpi),
                    captionWidth(button) + twipsToPixels(2 * margin, dpi));
}

} // namespace

NameListWindow::NameListWindow(const ui::Labelled& window, HWND owner) {
    create(wide(window.objectName).c_str(), window.caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
           owner);
    mSummary = addControl(WC_STATICW, "lblSummary", "", SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL);
    mFilter = addControl(WC_EDITW, ui::nameList::filter.objectName, "", ES_AUTOHSCROLL | WS_TABSTOP,
                         WS_EX_CLIENTEDGE);
    ::SendMessageW(mFilter, EM_SETCUEBANNER, TRUE,
                   reinterpret_cast<LPARAM>(wide(ui::nameList::filter.caption).c_str()));
    mList = addControl(WC_LISTVIEWW, ui::nameList::list.objectName, "",
                       LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE);
    ::SendMessageW(mList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    int column = 0;
    for (const char* heading : ui::nameList::columns) {
        std::wstring text = wide(heading);
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH;
        item.pszText = text.data();
        item.cx = twipsToPixels(1500, dpi());
        ::SendMessageW(mList, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column++),
                       reinterpret_cast<LPARAM>(&item));
    }
}

HWND NameListWindow::addButton(const ui::Labelled& button, bool right) {
    HWND control =
        addControl(WC_BUTTONW, button.objectName, button.caption, BS_PUSHBUTTON | WS_TABSTOP);
    (right ? mRightButtons : mLeftButtons).push_back(control);
    return control;
}

void NameListWindow::finishLayout() {
    applyFont();
    setClientSize(handle(), twipsToPixels(6000, dpi()), twipsToPixels(6600, dpi()));
    arrange();
}

// The summary takes the lines it needs at the window's width.
void NameListWindow::setSummary(const std::string& text) {
    setWindowText(mSummary, text);
    arrange();
}

void NameListWindow::setRows(const std::vector<ui::NameRow>& rows) {
    mRows = rows;
    mOrder = {};
    setWindowText(mFilter, "");
    showRows();
}

void NameListWindow::sortBy(int column) {
    mOrder = mOrder.clicked(column);
    ui::sortRows(mRows, mOrder);
    HWND header = ListView_GetHeader(mList);
    for (int i = 0; i < Header_GetItemCount(header); ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, i, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column)
            item.fmt |= mOrder.ascending ? HDF_SORTUP : HDF_SORTDOWN;
        Header_SetItem(header, i, &item);
    }
    showRows();
}

std::vector<ui::NameRow> NameListWindow::shownRows() const {
    return ui::filteredRows(mRows, windowText(mFilter));
}

// The list view cannot hide a row: it holds only the rows the filter lets through.
void NameListWindow::showRows() {
    ::SendMessageW(mList, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(mList, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const ui::NameRow& row : shownRows()) {
        std::wstring cells[] = {wide(row.before), wide(row.after), wide(row.note)};
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = cells[0].data();
        ::SendMessageW(mList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int cell = 1; cell < 3; ++cell) {
            item.iSubItem = cell;
            item.pszText = cells[cell].data();
            ::SendMessageW(mList, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&item));
        }
        ++index;
    }
    ::SendMessageW(mList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(mList, nullptr, TRUE);
}

void NameListWindow::arrange() {
    RECT client;
    ::GetClientRect(handle(), &client);
    const auto px = [this](int twips) { return twipsToPixels(twips, dpi()); };
    const int x = px(margin);
    const int width = client.right - 2 * x;
    const int summaryHeight = std::max(px(lineHeight), wrappedTextHeight(mSummary, width));
    int fixed = summaryHeight + px(lineHeight) * 2 + px(margin) * 5;
    int shares = listShare;
    for (const Band& band : mBands) {
        fixed += px(band.twips) + px(margin);
        shares += band.share;
    }
    const int perShare = std::max(0, static_cast<int>(client.bottom) - fixed) / shares;
    int y = px(margin);
    const auto stack = [&](HWND control, int height) {
        move(control, x, y, width, height);
        y += height + px(margin);
    };
    stack(mSummary, summaryHeight);
    stack(mFilter, px(lineHeight));
    stack(mList, perShare * listShare);
    for (int column : {0, 1})
        ListView_SetColumnWidth(mList, column, px(nameColumnWidth));
    ListView_SetColumnWidth(mList, 2, LVSCW_AUTOSIZE_USEHEADER);
    for (const Band& band : mBands)
        stack(band.control, px(band.twips) + perShare * band.share);
    int left = x;
    for (HWND button : mLeftButtons) {
        const int buttonPixels = buttonWidthFor(button, dpi());
        move(button, left, y, buttonPixels, px(lineHeight));
        left += buttonPixels + px(margin);
    }
    int right = x + width;
    for (auto button = mRightButtons.rbegin(); button != mRightButtons.rend(); ++button) {
        const int buttonPixels = buttonWidthFor(*button, dpi());
        right -= buttonPixels;
        move(*button, right, y, buttonPixels, px(lineHeight));
        right -= px(margin);
    }
}

LRESULT NameListWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        arrange();
        return 0;
    case WM_CLOSE:
        hide();
        return 0;
    case WM_NOTIFY: {
        const auto* notice = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (notice->hdr.hwndFrom == mList && notice->hdr.code == LVN_COLUMNCLICK)
            sortBy(notice->iSubItem);
        return 0;
    }
    case WM_COMMAND: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == mFilter && HIWORD(wParam) == EN_CHANGE)
            showRows();
        else if (control && HIWORD(wParam) == BN_CLICKED)
            clicked(control);
        return 0;
    }
    default:
        return NativeWindow::onMessage(message, wParam, lParam);
    }
}

} // namespace sequate::win
