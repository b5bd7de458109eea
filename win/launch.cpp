#include "launch.h"

#include "eco/privatefolder.h"
#include "host/com/droppedobjects.h"
#include "host/com/opendocumentsink.h"

#include <chrono>

namespace sequate::win {

namespace {
// Start-up told the user why it cannot go on.
constexpr int startupRefused = 1;
} // namespace

Launch launch(host::RunningObjects& objects, Dialogs& dialogs,
              std::function<void(int)> programEnd) {
    auto window = std::make_unique<MainWindow>(objects, dialogs, std::move(programEnd));
    if (window->startUp() != engine::StartupOutcome::Running)
        return {nullptr, startupRefused};
    window->show();
    // What hand-offs of Sequates that were killed left in the temporary folder goes first.
    eco::removeStaleHandOffFolders();
    // A pass that an earlier run left unfinished is settled before anything else.
    window->recoverUnfinishedPass();
    return {std::move(window), 0};
}

namespace {

void handle(MSG& message) {
    if (NativeWindow::takeKey(message))
        return;
    // Tab, the arrows, Enter and Escape move among the controls as in a dialog.
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    if (!root || !::IsDialogMessageW(root, &message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

} // namespace

int runMessageLoop() {
    MSG message;
    for (;;) {
        // The objects a pass dropped are released a slice at a time, between the window's
        // messages.
        if (host::com::releaseSomeDropped(std::chrono::milliseconds(5)) &&
            !::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            continue;
        if (::GetMessageW(&message, nullptr, 0, 0) <= 0)
            break;
        handle(message);
        host::com::OpenDocumentSink::deliverQueued();
    }
    return static_cast<int>(message.wParam);
}

void handleWaitingMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // For the message loop, once the pass has returned to it.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        handle(message);
    }
}

} // namespace sequate::win
