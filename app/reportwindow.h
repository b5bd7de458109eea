#pragma once

// The report window of the last pass: when it ran and how, how many components got a new name,
// the renames and the names kept, and where the ECO file went. It lives as long as the program;
// each pass replaces the report of the one before.

#include "passsummary.h"

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace sequate::app {

class Dialogs;

struct PassReport {
    std::string heading;       // when, mode and options, start number
    std::string outcome;       // how many got a new name, or why the pass stopped
    std::string eco;           // where the ECO file went
    std::vector<NameRow> rows; // the renames, then the names kept
};

// A list of renames and kept names, and a filter box above it narrowing what it shows.
struct NameList {
    QLineEdit* filter = nullptr;
    QTreeWidget* list = nullptr;
};
NameList makeNameList(QWidget& owner);
void fillNameList(const NameList& names, const std::vector<NameRow>& rows);

// Old program: frmNotChanged (still its objectName).
class ReportWindow : public QWidget {
    Q_OBJECT

public:
    // Without dialogs, the list cannot be saved.
    explicit ReportWindow(QWidget* parent = nullptr, Dialogs* dialogs = nullptr);

    // Adds text at the end of the box of kept names; "\r\n" ends a line. The first text after
    // beginPass replaces that of the pass before.
    void appendText(const std::string& text);
    void beginPass();
    void setReport(const PassReport& report);
    // Shows the window without taking the user's input away from the main window.
    void showReport();

private:
    std::vector<NameRow> shownRows() const;
    void copyList();
    void saveCsv();

    Dialogs* mDialogs;
    bool mNewPass = false;
    std::vector<NameRow> mRows;
    QLabel* mLblSummary = nullptr;
    NameList mNames;
    QPlainTextEdit* mTxtNotChanged = nullptr;
    QPushButton* mCmdCopy = nullptr;
    QPushButton* mCmdSaveCsv = nullptr;
    QPushButton* mCmdClose = nullptr;
};

} // namespace sequate::app
