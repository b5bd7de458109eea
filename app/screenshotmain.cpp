// sequate-screenshots FOLDER: Sequate as it runs, which takes the pictures of the README and
// the help page into FOLDER and ends (scripts/screenshots). Not part of the installed program.

#include "app/program.h"
#include "app/screenshottour.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sequate-screenshots FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    return sequate::app::runProgram(argc, argv, [&folder](sequate::app::MainWindow& window) {
        sequate::app::startScreenshotTour(window, folder);
    });
}
