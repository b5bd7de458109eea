#pragma once

// The simulator program's window: the open schematic as a sheet, the layout's part names, and
// a log of the automation calls and of PowerPCB's ECO reading. The File menu opens another
// document (PowerLogic then raises OpenDocument) and saves the current state to a file. The
// window watches the service while it lives.

#include "hostsimservice.h"
#include "simhosts.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <cstddef>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;

namespace sequate::hostsim {

class SheetView;

class HostSimWindow : public QMainWindow {
    Q_OBJECT

public:
    HostSimWindow(SimHosts& hosts, HostSimService& service, QString stateFile,
                  QWidget* parent = nullptr);
    ~HostSimWindow() override;

    // One automation call, such as "LogicObjects.Item", of app ("PowerLogic", "PowerPCB").
    void logCall(const char* app, const std::string& call);
    void logNote(const QString& line);
    // The state may have changed; the window catches up soon, not at every call.
    void changed();
    // What "Save state as..." offers: a file not there yet in the user's documents folder,
    // named after the state file served. Never the served file itself, which may be the
    // sample that came with the program.
    QString proposedStatePath() const;

private:
    void buildMenus();
    QWidget* buildSidePanel();
    void fillOpenMenu();
    void saveState();
    void refresh();
    void refreshLayout();
    void refreshStatus();
    void flushLog();

    SimHosts& mHosts;
    HostSimService& mService;
    QString mStateFile;
    SheetView* mSheet;
    QListWidget* mLayout;
    QLabel* mLayoutTitle;
    QPlainTextEdit* mLog;
    QLabel* mStatus;
    QMenu* mOpenMenu = nullptr;
    QTimer mRefresh;
    QStringList mPendingLog;
    std::vector<std::string> mShownParts;
    std::size_t mPcbLogSeen = 0;
};

} // namespace sequate::hostsim
