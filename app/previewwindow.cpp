#include "previewwindow.h"

#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sequate::app {

PreviewWindow::PreviewWindow(QWidget* parent) : QDialog(parent), mNames(*this) {
    setObjectName("frmPreview");
    setWindowTitle("Sequate - preview");
    // The plan holds only while the options and the schematic stay as they are.
    setWindowModality(Qt::WindowModal);

    mSummary = new QLabel(this);
    mSummary->setObjectName("lblSummary");
    mSummary->setWordWrap(true);
    mSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mCodes = new QLabel(this);
    mCodes->setObjectName("lblCodes");

    mApplyButton = new QPushButton("&Apply", this);
    mApplyButton->setObjectName("cmdApply");
    connect(mApplyButton, &QPushButton::clicked, this, &PreviewWindow::applyClicked);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
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
    show();
    raise();
}

} // namespace sequate::app
