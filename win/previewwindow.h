#pragma once

// Pass > Preview: what Run would do, with Save as ECO file, Save as CSV, Apply and Close. While
// it shows, the main window waits: the plan holds only while the options stay as they are.

#include "namelistwindow.h"
#include "savedialog.h"
#include "ui/passtexts.h"

#include <functional>

namespace sequate::win {

class Dialogs;

class PreviewWindow : public NameListWindow {
public:
    // saveEcoClicked saves the plan through saveDialog().
    PreviewWindow(HWND owner, Dialogs& dialogs, std::function<void()> applyClicked,
                  std::function<void()> saveEcoClicked);

    void showPreview(const ui::PreviewText& preview);
    void close();
    // The save dialog and the messages of saving, over this window.
    ui::SaveDialog& saveDialog() { return mSaveDialog; }

protected:
    void clicked(HWND button) override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND mOwner;
    std::function<void()> mApplyClicked;
    std::function<void()> mSaveEcoClicked;
    WindowSaveDialog mSaveDialog;
    HWND mCodes;
    HWND mSaveEco;
    HWND mSaveCsv;
    HWND mApply;
    HWND mClose;
};

} // namespace sequate::win
