#include "helpwindow.h"

#include "widgets/twips.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace sequate::app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle("Sequate Help");
    mPage = new QTextBrowser(this);
    mPage->setObjectName("txtHelp");
    // The page's links to the web go to the browser; its pictures are read here.
    mPage->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mPage);
    resize(widgets::twipsRect(*this, 0, 0, 9600, 9000).size());
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

bool HelpWindow::showPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    mPage->setSearchPaths({QFileInfo(path).absolutePath()});
    mPage->setMarkdown(QString::fromUtf8(file.readAll()));
    showNormal();
    raise();
    activateWindow();
    return true;
}

} // namespace sequate::app
