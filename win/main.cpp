// Sequate on Windows: gives new part names to the components of the schematic open in the
// running PowerLogic, through COM.

#include "host/com/comrunningobjects.h"
#include "launch.h"
#include "nativedialogs.h"
#include "screenshottour.h"

#include <clocale>
#include <commctrl.h>
#include <cstdlib>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Coordinates are written with "." whatever the user's language.
    std::setlocale(LC_ALL, "C");
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES |
                                                                         ICC_PROGRESS_CLASS |
                                                                         ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&classes);

    sequate::win::NativeDialogs dialogs;
    sequate::host::com::ComRunningObjects objects;
    sequate::win::Launch launched = sequate::win::launch(
        objects, dialogs, [](int exitStatus) { ::PostQuitMessage(exitStatus); });
    if (!launched.window)
        return launched.exitStatus;
    if (const char* folder = std::getenv("SEQUATE_SCREENSHOT_DIR"); folder && *folder)
        sequate::win::startScreenshotTour(*launched.window, folder);
    return sequate::win::runMessageLoop();
}
