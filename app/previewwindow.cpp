#include "previewwindow.h"

#include "labelled.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sequate::app {

PreviewWindow::PreviewWindow(QWidget* parent, Dialogs& dialogs)
    : QDialog(parent), mSaveDialog(dialogs, *this), mNames(*this) {
    namespace texts = ui::previewWindow;
    setObjectName(texts::window.objectName);
    setWindowTitle(texts::window.caption);
    // The plan holds only while the options and the schematic stay as they are.
    setWindowModality(Qt::WindowModal);

    mSummary = makeSummaryLabel(*this, texts::summary);
    // One wrapped paragraph under the list, which takes the rest of the window.
    mCodes = makeSummaryLabel(*this, texts::codes);

    mApplyButton = makeButton(*this, texts::apply);
    connect(mApplyButton, &QPushButton::clicked, this, &PreviewWindow::applyClicked);
    QPushButton* close = makeButton(*this, texts::close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Enter presses Apply, unless the keyboard is on another button, as before there were
    // buttons ahead of it in the Tab order.
    mApplyButton->setDefault(true);
    mSaveEcoButton = makeButton(*this, texts::saveEco);
    connect(mSaveEcoButton, &QPushButton::clicked, this, &PreviewWindow::saveEcoClicked);
    QPushButton* saveCsv = makeButton(*this, texts::saveCsv);
    connect(saveCsv, &QPushButton::clicked, this,
            [this] { ui::saveRowsAsCsv(mSaveDialog, mNames.shownRows()); });
    // In the Tab order as in the row.
    setTabOrder(mNames.list(), mSaveEcoButton);
    setTabOrder(mSaveEcoButton, saveCsv);
    setTabOrder(saveCsv, mApplyButton);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mSaveEcoButton);
    buttons->addWidget(saveCsv);
    buttons->addStretch();
    buttons->addWidget(mApplyButton);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mSummary);
    layout->addWidget(mNames.filter());
    layout->addWidget(mNames.list(), 1);
    layout->addWidget(mCodes);
    layout->addLayout(buttons);
    resize(widgets::twipsRect(*this, 0, 0, 6000, 6600).size());
}

void PreviewWindow::showPreview(const ui::PreviewText& preview) {
    mSummary->setText(QString::fromStdString(preview.summary));
    mCodes->setText(QString::fromStdString(preview.codes));
    mNames.setRows(preview.rows);
    mApplyButton->setEnabled(preview.canApply);
    // A plan the pass would stop at has no ECO file to save.
    mSaveEcoButton->setEnabled(preview.canApply);
    show();
    raise();
}

} // namespace sequate::app
