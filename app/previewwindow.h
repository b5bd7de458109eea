#pragma once

// Pass > Preview: what Run would do with the options as they are set, read from the schematic
// with nothing renamed. Apply runs exactly the plan shown, and Save as ECO file saves it; the
// window logic decides what happens then. Save as CSV saves the rows shown.

#include "namelist.h"
#include "ui/passtexts.h"
#include "windowsavedialog.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace sequate::app {

class Dialogs;

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(QWidget* parent, Dialogs& dialogs);

    void showPreview(const ui::PreviewText& preview);
    // The file dialog and the messages of saving, over this window.
    ui::SaveDialog& saveDialog() { return mSaveDialog; }

signals:
    void applyClicked();
    void saveEcoClicked();

private:
    WindowSaveDialog mSaveDialog;
    QLabel* mSummary = nullptr;
    QLabel* mCodes = nullptr;
    NameList mNames;
    QPushButton* mApplyButton = nullptr;
    QPushButton* mSaveEcoButton = nullptr;
};

} // namespace sequate::app
