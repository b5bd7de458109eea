#include "launch.h"

#include "eco/privatefolder.h"

namespace sequate::app {

namespace {
// Start-up told the user why it cannot go on.
constexpr int startupRefused = 1;
} // namespace

Launch launch(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs) {
    auto window = std::make_unique<MainWindow>(std::move(objects), dialogs);
    if (window->startUp() != engine::StartupOutcome::Running) {
        return {nullptr, startupRefused};
    }
    window->show();
    // What hand-offs of Sequates that were killed left in the temporary folder goes first.
    eco::removeStaleHandOffFolders();
    // A pass that an earlier run left unfinished is settled before anything else.
    window->recoverUnfinishedPass();
    return {std::move(window), 0};
}

} // namespace sequate::app
