#include "previewwindow.h"

#include "widetext.h"

#include <commctrl.h>

namespace sequate::win {

namespace texts = ui::previewWindow;

PreviewWindow::PreviewWindow(HWND owner, Dialogs& dialogs, std::function<void()> applyClicked,
                             std::function<void()> saveEcoClicked)
    : NameListWindow(texts::window, owner), mOwner(owner), mApplyClicked(std::move(applyClicked)),
      mSaveEcoClicked(std::move(saveEcoClicked)), mSaveDialog(dialogs, *this) {
    mCodes = addControl(WC_STATICW, texts::codes.objectName, "", SS_LEFT | SS_NOPREFIX);
    mBands.push_back({mCodes, 540, 1});
    mSaveEco = addButton(texts::saveEco, false);
    mSaveCsv = addButton(texts::saveCsv, false);
    mApply = addButton(texts::apply, true);
    mClose = addButton(texts::close, true);
    finishLayout();
}

void PreviewWindow::showPreview(const ui::PreviewText& preview) {
    setSummary(preview.summary);
    setWindowText(mCodes, preview.codes);
    setRows(preview.rows);
    ::EnableWindow(mApply, preview.canApply);
    // A plan the pass would stop at has no ECO file to save.
    ::EnableWindow(mSaveEco, preview.canApply);
    ::EnableWindow(mOwner, FALSE);
    show();
}

void PreviewWindow::close() {
    ::EnableWindow(mOwner, TRUE);
    hide();
}

void PreviewWindow::clicked(HWND button) {
    if (button == mApply)
        mApplyClicked();
    else if (button == mSaveEco)
        mSaveEcoClicked();
    else if (button == mSaveCsv)
        ui::saveRowsAsCsv(mSaveDialog, shownRows());
    else if (button == mClose)
        close();
}

LRESULT PreviewWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        close();
        return 0;
    }
    return NameListWindow::onMessage(message, wParam, lParam);
}

} // namespace sequate::win
