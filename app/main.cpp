// Sequate: gives new part names to the components of the schematic open in PowerLogic.

#include "app/program.h"

#include <QAbstractButton>
#include <QTimer>

int main(int argc, char** argv) {
    return sequate::app::runProgram(argc, argv, [](sequate::app::MainWindow& window) {
        // Test only: a pass over all components started as a user would, so that a test can
        // end the program in the middle of it.
        if (qEnvironmentVariableIsSet("SEQUATE_TEST_RUN_ALL"))
            QTimer::singleShot(0, &window, [&window] {
                window.findChild<QAbstractButton*>(QStringLiteral("optStart"))->click();
                window.findChild<QAbstractButton*>(QStringLiteral("cmdRun"))->click();
            });
    });
}
