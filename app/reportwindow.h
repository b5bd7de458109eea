#pragma once

// The report window of the last pass: when it ran and how, how many components got a new name,
// the renames and the names kept, and where the ECO file went. It lives as long as the program;
// each pass replaces the report of the one before.

#include "namelist.h"
#include "ui/passtexts.h"
#include "windowsavedialog.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace sequate::app {

class Dialogs;

// Old program: frmNotChanged (still its objectName).
class ReportWindow : public QWidget {
    Q_OBJECT

public:
    ReportWindow(QWidget* parent, Dialogs& dialogs);

    void setReport(const ui::PassReport& report);
    // Shows the window without taking the user's input away from the main window.
    void showReport();
    // Restored if minimised, raised, and given the keyboard.
    void bringToFront();

protected:
    // Escape closes it, as it does a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void copyList();

    WindowSaveDialog mSaveDialog;
    QLabel* mSummary = nullptr;
    NameList mNames;
    QPlainTextEdit* mEndsInLetter = nullptr; // Old program: txtNotChanged (its objectName)
};

} // namespace sequate::app
