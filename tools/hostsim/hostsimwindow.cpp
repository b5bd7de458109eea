#include "hostsimwindow.h"

#include "host/sim/editorview.h"
#include "host/sim/statefile.h"
#include "sheetview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

namespace sequate::hostsim {

namespace {

constexpr int refreshDelayMs = 100;
constexpr int logLines = 5000;

} // namespace

HostSimWindow::HostSimWindow(SimHosts& hosts, HostSimService& service, QString stateFile,
                             QWidget* parent)
    : QMainWindow(parent), mHosts(hosts), mService(service), mStateFile(std::move(stateFile)),
      mSheet(new SheetView(hosts.logic(), this)), mLayout(new QListWidget(this)),
      mLayoutTitle(new QLabel(this)), mLog(new QPlainTextEdit(this)), mStatus(new QLabel(this)) {
    setObjectName(QStringLiteral("hostsim"));
    buildMenus();
    auto* splitter = new QSplitter(this);
    splitter->addWidget(mSheet);
    splitter->addWidget(buildSidePanel());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    mStatus->setObjectName(QStringLiteral("passStatus"));
    statusBar()->addWidget(mStatus, 1);
    mRefresh.setSingleShot(true);
    mRefresh.setInterval(refreshDelayMs);
    connect(&mRefresh, &QTimer::timeout, this, &HostSimWindow::refresh);
    connect(mSheet, &SheetView::userChanged, this, [this] { mService.settle(); });
    mService.setWatcher([this] { changed(); }, [this](const QString& line) { logNote(line); });
    refresh();
}

HostSimWindow::~HostSimWindow() {
    mService.setWatcher({}, {});
}

void HostSimWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mOpenMenu = file->addMenu(tr("&Open document"));
    connect(mOpenMenu, &QMenu::aboutToShow, this, &HostSimWindow::fillOpenMenu);
    file->addAction(tr("&Close document"), this, [this] {
        mHosts.logic().closeDocument();
        mService.settle();
    });
    file->addSeparator();
    file->addAction(tr("&Save state as..."), this, &HostSimWindow::saveState);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close);
}

QWidget* HostSimWindow::buildSidePanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mLayoutTitle);
    layout->addWidget(mLayout, 1);
    layout->addWidget(new QLabel(tr("Automation calls and ECO reading"), panel));
    layout->addWidget(mLog, 2);
    mLayout->setObjectName(QStringLiteral("layoutParts"));
    mLog->setObjectName(QStringLiteral("callLog"));
    mLog->setReadOnly(true);
    mLog->setMaximumBlockCount(logLines);
    mLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mLog->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    mLog->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return panel;
}

void HostSimWindow::fillOpenMenu() {
    mOpenMenu->clear();
    const auto& documents = mHosts.logic().documents();
    for (std::size_t i = 0; i < documents.size(); ++i) {
        mOpenMenu->addAction(QString::fromStdString(host::sim::documentTitle(documents[i], i)),
                             this, [this, i] { mService.openDocument(i); });
    }
}

QString HostSimWindow::proposedStatePath() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QDir documents(folder);
    const QString name = QFileInfo(mStateFile).completeBaseName();
    QString path = documents.filePath(name + QStringLiteral(".json"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = documents.filePath(QStringLiteral("%1-%2.json").arg(name).arg(copy));
    return path;
}

void HostSimWindow::saveState() {
    const QString proposed = proposedStatePath();
    // The dialog would open elsewhere if the folder were missing, as on a fresh account.
    QDir().mkpath(QFileInfo(proposed).path());
    const QString path = QFileDialog::getSaveFileName(this, tr("Save simulator state"), proposed,
                                                      tr("State files (*.json)"));
    if (path.isEmpty())
        return;
    try {
        host::sim::saveStateFile(path.toStdString(), mHosts.currentState());
        logNote(tr("state saved to %1").arg(path));
    } catch (const std::exception& error) {
        QMessageBox::critical(this, tr("Save state"), QString::fromStdString(error.what()));
    }
}

void HostSimWindow::logCall(const char* app, const std::string& call) {
    mPendingLog.append(
        QStringLiteral("%1 %2").arg(QLatin1String(app), QString::fromStdString(call)));
    changed();
}

void HostSimWindow::logNote(const QString& line) {
    mPendingLog.append(QStringLiteral("-- ") + line);
    changed();
}

void HostSimWindow::changed() {
    if (!mRefresh.isActive())
        mRefresh.start();
}

void HostSimWindow::refresh() {
    flushLog();
    refreshLayout();
    refreshStatus();
    mSheet->refresh();
}

void HostSimWindow::flushLog() {
    const auto& pcbLog = mHosts.pcb().log();
    for (; mPcbLogSeen < pcbLog.size(); ++mPcbLogSeen)
        mPendingLog.append(QStringLiteral("PowerPCB read: ") +
                           QString::fromStdString(pcbLog[mPcbLogSeen]));
    if (mPendingLog.isEmpty())
        return;
    mLog->appendPlainText(mPendingLog.join(QLatin1Char('\n')));
    mPendingLog.clear();
}

void HostSimWindow::refreshLayout() {
    const auto layout = mHosts.pcb().layout();
    mLayoutTitle->setText(layout
                              ? tr("PowerPCB layout %1").arg(QString::fromStdString(layout->name))
                              : tr("PowerPCB has no layout open"));
    const std::vector<std::string> parts = layout ? layout->parts : std::vector<std::string>{};
    if (parts == mShownParts)
        return;
    mShownParts = parts;
    mLayout->clear();
    for (const auto& part : parts)
        mLayout->addItem(QString::fromStdString(part));
}

void HostSimWindow::refreshStatus() {
    setWindowTitle(QString::fromStdString(host::sim::windowTitle(mHosts.logic())));
    mStatus->setText(QString::fromStdString(host::sim::statusLine(mHosts.logic())));
}

} // namespace sequate::hostsim
