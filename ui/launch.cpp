#include "launch.h"

#include "eco/privatefolder.h"

namespace sequate::ui {

std::optional<int> launch(MainWindowLogic& logic, host::RunningObjects& objects,
                          const std::function<void()>& showWindow) {
    if (logic.startUp(objects) != engine::StartupOutcome::Running)
        return startupRefused;
    showWindow();
    // What hand-offs of Sequates that were killed left in the temporary folder goes first.
    eco::removeStaleHandOffFolders();
    // A pass that an earlier run left unfinished is settled before anything else.
    logic.recoverUnfinishedPass();
    return std::nullopt;
}

} // namespace sequate::ui
