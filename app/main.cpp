// Sequate: gives new part names to the components of the schematic open in PowerLogic.

#include "app/launch.h"
#include "app/qtdialogs.h"
#include "app/screenshottour.h"
#include "desktop/missingdisplay.h"
#include "host/dbus/dbusrunningobjects.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (const std::string missing = sequate::desktop::missingDisplay(); !missing.empty()) {
        std::fprintf(stderr, "sequate: there is no display (%s)\n", missing.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    application.setApplicationName("Sequate");
    // Coordinates are written with "." whatever the user's language; Qt set the locale above.
    std::setlocale(LC_NUMERIC, "C");
    application.setQuitOnLastWindowClosed(false);

    sequate::app::QtDialogs dialogs;
    sequate::app::Launch launched =
        sequate::app::launch(std::make_unique<sequate::host::dbus::DbusRunningObjects>(), dialogs);
    if (!launched.window) {
        return launched.exitStatus;
    }
    QObject::connect(launched.window.get(), &sequate::app::MainWindow::programEnd, &application,
                     [](int exitStatus) { QCoreApplication::exit(exitStatus); });
    const QString screenshots = qEnvironmentVariable("SEQUATE_SCREENSHOT_DIR");
    if (!screenshots.isEmpty()) {
        sequate::app::startScreenshotTour(*launched.window, screenshots);
    }
    // Test only: a pass over all components started as a user would, so that a test can end
    // the program in the middle of it.
    if (qEnvironmentVariableIsSet("SEQUATE_TEST_RUN_ALL")) {
        QTimer::singleShot(0, launched.window.get(), [window = launched.window.get()] {
            window->findChild<QAbstractButton*>(QStringLiteral("optStart"))->click();
            window->findChild<QAbstractButton*>(QStringLiteral("cmdRun"))->click();
        });
    }
    return application.exec();
}
