#include "reportwindow.h"

#include "labelled.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sequate::app {

namespace {

QString withLineFeeds(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

} // namespace

ReportWindow::ReportWindow(QWidget* parent, Dialogs& dialogs)
    : QWidget(parent, Qt::Window), mSaveDialog(dialogs, *this), mNames(*this) {
    namespace texts = ui::reportWindow;
    setObjectName(texts::window.objectName);
    setWindowTitle(texts::window.caption);

    mSummary = makeSummaryLabel(*this, texts::summary);

    mEndsInLetter = new QPlainTextEdit(this);
    mEndsInLetter->setObjectName(texts::endsInLetter.objectName);
    mEndsInLetter->setReadOnly(true);
    // Tab leaves it, as it leaves any box that takes no typing.
    mEndsInLetter->setTabChangesFocus(true);
    mEndsInLetter->setLineWrapMode(QPlainTextEdit::NoWrap);
    mEndsInLetter->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    QPushButton* copy = makeButton(*this, texts::copy);
    connect(copy, &QPushButton::clicked, this, &ReportWindow::copyList);
    QPushButton* saveCsv = makeButton(*this, texts::saveCsv);
    connect(saveCsv, &QPushButton::clicked, this,
            [this] { ui::saveRowsAsCsv(mSaveDialog, mNames.shownRows()); });
    QPushButton* close = makeButton(*this, texts::close);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(saveCsv);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mSummary);
    layout->addWidget(mNames.filter());
    layout->addWidget(mNames.list(), 3);
    layout->addWidget(new QLabel(texts::endsInLetterHeading.caption, this));
    layout->addWidget(mEndsInLetter, 1);
    layout->addLayout(buttons);
    resize(widgets::twipsRect(*this, 0, 0, 6000, 6600).size());
    setReport({});
}

void ReportWindow::setReport(const ui::PassReport& report) {
    mSummary->setText(QString::fromStdString(report.summary));
    mNames.setRows(report.rows);
    mEndsInLetter->setPlainText(withLineFeeds(report.endsInLetter));
}

void ReportWindow::showReport() {
    show();
    raise();
}

void ReportWindow::bringToFront() {
    showNormal();
    raise();
    activateWindow();
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

void ReportWindow::copyList() {
    QApplication::clipboard()->setText(QString::fromStdString(ui::rowsAsText(mNames.shownRows())));
}

} // namespace sequate::app
