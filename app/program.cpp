#include "program.h"

#include "desktop/missingdisplay.h"
#include "host/dbus/dbusrunningobjects.h"
#include "launch.h"
#include "qtdialogs.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <string>

namespace sequate::app {

int runProgram(int argc, char** argv, const std::function<void(MainWindow&)>& started) {
    if (const std::string missing = desktop::missingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "sequate: there is no display (%s)\n", missing.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    application.setApplicationName("Sequate");
    // Coordinates are written with "." whatever the user's language; Qt set the locale above.
    std::setlocale(LC_NUMERIC, "C");
    application.setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    Launch launched = launch(std::make_unique<host::dbus::DbusRunningObjects>(), dialogs);
    if (!launched.window)
        return launched.exitStatus;
    QObject::connect(launched.window.get(), &MainWindow::programEnd, &application,
                     [](int exitStatus) { QCoreApplication::exit(exitStatus); });
    started(*launched.window);
    return application.exec();
}

} // namespace sequate::app
