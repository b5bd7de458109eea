// One main() for every test that needs a QApplication. Test discovery starts the binary
// too, so the platform is chosen here and not left to the environment.

#include "tests/support/privatedatafolder.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Offscreen always; a run may give it a screen of its own ("offscreen:configfile=...").
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
