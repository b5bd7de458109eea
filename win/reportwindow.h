#pragma once

// The report of the last pass: every rename and every name kept, with the filter, Copy and Save
// as CSV, and the components that kept their names because they end in a letter. Old program:
// frmNotChanged.

#include "namelistwindow.h"
#include "savedialog.h"
#include "ui/passtexts.h"

namespace sequate::win {

class Dialogs;

class ReportWindow : public NameListWindow {
public:
    ReportWindow(HWND owner, Dialogs& dialogs);
    ~ReportWindow() override;

    void setReport(const ui::PassReport& report);

protected:
    void clicked(HWND button) override;

private:
    void copyList();

    WindowSaveDialog mSaveDialog;
    HWND mEndsInLetter;
    HWND mCopy;
    HWND mSaveCsv;
    HWND mClose;
    HFONT mFixedFont;
};

} // namespace sequate::win
