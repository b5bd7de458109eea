#include "program.h"

#include "host/com/comrunningobjects.h"
#include "launch.h"
#include "nativedialogs.h"

#include <clocale>
#include <commctrl.h>

namespace sequate::win {

int runProgram(const std::function<void(MainWindow&)>& started) {
    // Coordinates are written with "." whatever the user's language.
    std::setlocale(LC_ALL, "C");
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES |
                                                                         ICC_PROGRESS_CLASS |
                                                                         ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&classes);

    NativeDialogs dialogs;
    host::com::ComRunningObjects objects;
    Launch launched =
        launch(objects, dialogs, [](int exitStatus) { ::PostQuitMessage(exitStatus); });
    if (!launched.window)
        return launched.exitStatus;
    started(*launched.window);
    return runMessageLoop();
}

} // namespace sequate::win
