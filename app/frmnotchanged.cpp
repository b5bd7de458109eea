#include "frmnotchanged.h"

#include "about/twips.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
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

frmNotChanged::frmNotChanged(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmNotChanged");
    setWindowTitle("Sequate - components not renamed");

    mTxtNotChanged = new QPlainTextEdit(this);
    mTxtNotChanged->setObjectName("txtNotChanged");
    mTxtNotChanged->setReadOnly(true);
    mTxtNotChanged->setLineWrapMode(QPlainTextEdit::NoWrap);
    mTxtNotChanged->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    mCmdClose = new QPushButton("&Close", this);
    mCmdClose->setObjectName("cmdClose");
    connect(mCmdClose, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCmdClose);
    auto* heading = new QLabel("Components that kept their names:", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(mTxtNotChanged);
    layout->addLayout(buttons);
    resize(about::twipsRect(*this, 0, 0, 4800, 4200).size());
}

void frmNotChanged::appendText(const std::string& text) {
    QTextCursor end(mTxtNotChanged->document());
    end.movePosition(QTextCursor::End);
    end.insertText(withLineFeeds(text));
    mTxtNotChanged->verticalScrollBar()->setValue(mTxtNotChanged->verticalScrollBar()->maximum());
}

void frmNotChanged::showReport() {
    show();
    raise();
}

} // namespace sequate::app
