#include "reportwindow.h"

#include "dialogs.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
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

namespace {

void filterNameList(QTreeWidget& list, const QString& text) {
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list.topLevelItem(i);
        const bool shown = item->text(0).contains(text, Qt::CaseInsensitive) ||
                           item->text(1).contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
}

} // namespace

NameList makeNameList(QWidget& owner) {
    NameList names;
    names.filter = new QLineEdit(&owner);
    names.filter->setObjectName("txtFilter");
    names.filter->setPlaceholderText("Filter by name");
    names.filter->setClearButtonEnabled(true);
    names.list = new QTreeWidget(&owner);
    names.list->setObjectName("lstNames");
    names.list->setHeaderLabels({"Old name", "New name", "Note"});
    names.list->setRootIsDecorated(false);
    names.list->setUniformRowHeights(true);
    QObject::connect(names.filter, &QLineEdit::textChanged, names.list,
                     [list = names.list](const QString& text) { filterNameList(*list, text); });
    return names;
}

void fillNameList(const NameList& names, const std::vector<NameRow>& rows) {
    names.list->clear();
    for (const NameRow& row : rows) {
        new QTreeWidgetItem(names.list,
                            {QString::fromStdString(row.before), QString::fromStdString(row.after),
                             QString::fromStdString(row.note)});
    }
    filterNameList(*names.list, names.filter->text());
}

ReportWindow::ReportWindow(QWidget* parent, Dialogs* dialogs)
    : QWidget(parent, Qt::Window), mDialogs(dialogs) {
    setObjectName("frmNotChanged");
    setWindowTitle("Sequate - components not renamed");

    mLblSummary = new QLabel("No pass has been made yet.", this);
    mLblSummary->setObjectName("lblSummary");
    mLblSummary->setWordWrap(true);
    mLblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    mNames = makeNameList(*this);

    mTxtNotChanged = new QPlainTextEdit(this);
    mTxtNotChanged->setObjectName("txtNotChanged");
    mTxtNotChanged->setReadOnly(true);
    mTxtNotChanged->setLineWrapMode(QPlainTextEdit::NoWrap);
    mTxtNotChanged->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    mCmdCopy = new QPushButton("Co&py", this);
    mCmdCopy->setObjectName("cmdCopy");
    connect(mCmdCopy, &QPushButton::clicked, this, &ReportWindow::copyList);
    mCmdSaveCsv = new QPushButton("Save as &CSV", this);
    mCmdSaveCsv->setObjectName("cmdSaveCsv");
    mCmdSaveCsv->setEnabled(mDialogs != nullptr);
    connect(mCmdSaveCsv, &QPushButton::clicked, this, &ReportWindow::saveCsv);
    mCmdClose = new QPushButton("&Close", this);
    mCmdClose->setObjectName("cmdClose");
    connect(mCmdClose, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mCmdCopy);
    buttons->addWidget(mCmdSaveCsv);
    buttons->addStretch();
    buttons->addWidget(mCmdClose);
    auto* heading = new QLabel("Components that kept their names:", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mLblSummary);
    layout->addWidget(mNames.filter);
    layout->addWidget(mNames.list, 3);
    layout->addWidget(heading);
    layout->addWidget(mTxtNotChanged, 1);
    layout->addLayout(buttons);
    resize(widgets::twipsRect(*this, 0, 0, 6000, 6600).size());
}

void ReportWindow::appendText(const std::string& text) {
    if (mNewPass) {
        mTxtNotChanged->clear();
        mNewPass = false;
    }
    QTextCursor end(mTxtNotChanged->document());
    end.movePosition(QTextCursor::End);
    end.insertText(withLineFeeds(text));
    mTxtNotChanged->verticalScrollBar()->setValue(mTxtNotChanged->verticalScrollBar()->maximum());
}

void ReportWindow::beginPass() {
    mNewPass = true;
}

void ReportWindow::setReport(const PassReport& report) {
    if (mNewPass) {
        mTxtNotChanged->clear();
        mNewPass = false;
    }
    mLblSummary->setText(QString::fromStdString(report.heading + "\n" + report.outcome +
                                                "\nECO file: " + report.eco));
    mRows = report.rows;
    fillNameList(mNames, mRows);
}

void ReportWindow::showReport() {
    show();
    raise();
}

std::vector<NameRow> ReportWindow::shownRows() const {
    std::vector<NameRow> rows;
    for (int i = 0; i < mNames.list->topLevelItemCount(); ++i) {
        if (!mNames.list->topLevelItem(i)->isHidden())
            rows.push_back(mRows.at(static_cast<std::size_t>(i)));
    }
    return rows;
}

void ReportWindow::copyList() {
    QApplication::clipboard()->setText(QString::fromStdString(rowsAsText(shownRows())));
}

void ReportWindow::saveCsv() {
    const std::optional<QString> path = mDialogs->chooseSaveFile(this, "CSV files (*.csv)");
    if (!path || path->isEmpty())
        return;
    QFile file(*path);
    const std::string csv = rowsAsCsv(shownRows());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size())) {
        mDialogs->showMessage(this, engine::MessageStyle::Critical, "Sequate",
                              "The list could not be saved in \"" + *path +
                                  "\": " + file.errorString() + ".");
    }
}

} // namespace sequate::app
