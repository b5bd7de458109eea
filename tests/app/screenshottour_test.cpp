// The pictures for the documentation: the tour drives the window through a pass and saves
// only windows the user would have seen.

#include "app/screenshottour.h"
#include "windowfixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace sequate::testing {
namespace {

TEST_F(WindowTest, TourSavesAPictureOfEveryWindowThatOpenedAndEndsTheProgram) {
    const QStringList always{"about-box.png", "main-window.png", "preview-window.png"};
    const struct {
        Names parts;
        QStringList pictures;
    } cases[] = {{{"R5", "U1A", "C9"}, always + QStringList{"report-window.png"}},
                 {{"R5", "C9"}, always}}; // every name numbered: no report window
    for (const auto& c : cases) {
        QTemporaryDir folder;
        start({document("amp.sch", c.parts)});
        QSignalSpy ended(&window(), &app::MainWindow::programEnd);
        app::startScreenshotTour(window(), folder.path());
        ASSERT_TRUE(ended.wait(10000));
        EXPECT_EQ(ended.front().front().toInt(), 0);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), c.pictures);
    }
}

} // namespace
} // namespace sequate::testing
