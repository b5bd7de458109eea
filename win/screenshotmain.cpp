// sequate-screenshots.exe FOLDER: Sequate as it runs, which takes the pictures of the README
// and the help page into FOLDER and ends (scripts/screenshots-windows). Not installed.

#include "program.h"
#include "screenshottour.h"
#include "widetext.h"

#include <shellapi.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!arguments || count != 2)
        return 2;
    const std::string folder = sequate::win::narrow(arguments[1]);
    ::LocalFree(arguments);
    return sequate::win::runProgram([&folder](sequate::win::MainWindow& window) {
        sequate::win::startScreenshotTour(window, folder);
    });
}
