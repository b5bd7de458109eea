#include "reportwindow.h"

#include "dpi.h"
#include "widetext.h"

#include <commctrl.h>
#include <cstring>

namespace sequate::win {

namespace {

namespace texts = ui::reportWindow;

// The clipboard of Windows wants CR LF.
std::wstring withCrLf(const std::string& text) {
    std::wstring converted;
    for (wchar_t c : wide(text)) {
        if (c == L'\n')
            converted += L'\r';
        converted += c;
    }
    return converted;
}

// A box of many lines keeps Tab for itself, as a place to type one; this one takes no typing,
// so Tab leaves it for the next control.
LRESULT CALLBACK passTabOn(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(box, message, wParam, lParam);
    if (message == WM_GETDLGCODE)
        return result & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    return result;
}

} // namespace

ReportWindow::ReportWindow(HWND owner, Dialogs& dialogs)
    : NameListWindow(texts::window, owner), mSaveDialog(dialogs, *this) {
    HWND heading = addControl(WC_STATICW, texts::endsInLetterHeading.objectName,
                              texts::endsInLetterHeading.caption, SS_LEFT | SS_NOPREFIX);
    mEndsInLetter = addControl(WC_EDITW, texts::endsInLetter.objectName, "",
                               ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                                   WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                               WS_EX_CLIENTEDGE);
    ::SetWindowSubclass(mEndsInLetter, passTabOn, 0, 0);
    mBands = {{heading, 270}, {mEndsInLetter, 0, 1}};
    mCopy = addButton(texts::copy, false);
    mSaveCsv = addButton(texts::saveCsv, false);
    mClose = addButton(texts::close, true);
    finishLayout();
    mFixedFont = fixedFont(dpi());
    ::SendMessageW(mEndsInLetter, WM_SETFONT, reinterpret_cast<WPARAM>(mFixedFont), FALSE);
    setReport({});
}

ReportWindow::~ReportWindow() {
    ::DeleteObject(mFixedFont);
}

void ReportWindow::setReport(const ui::PassReport& report) {
    setSummary(report.summary);
    setRows(report.rows);
    setWindowText(mEndsInLetter, report.endsInLetter);
}

void ReportWindow::clicked(HWND button) {
    if (button == mCopy)
        copyList();
    else if (button == mSaveCsv)
        ui::saveRowsAsCsv(mSaveDialog, shownRows());
    else if (button == mClose)
        hide();
}

void ReportWindow::copyList() {
    const std::wstring text = withCrLf(ui::rowsAsText(shownRows()));
    if (!::OpenClipboard(handle()))
        return;
    ::EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_UNICODETEXT, memory))
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
}

} // namespace sequate::win
