#pragma once

// Pass > Preview: what Run would do with the options as they are set, read from the schematic
// with nothing renamed. Apply runs exactly the plan shown; the window logic decides what
// happens then.

#include "namelist.h"
#include "ui/passtexts.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace sequate::app {

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    explicit PreviewWindow(QWidget* parent);

    void showPreview(const ui::PreviewText& preview);

signals:
    void applyClicked();

private:
    QLabel* mSummary = nullptr;
    QLabel* mCodes = nullptr;
    NameList mNames;
    QPushButton* mApplyButton = nullptr;
};

} // namespace sequate::app
