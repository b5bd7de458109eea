// The pictures for the documentation: the tour drives the window through a pass and saves
// only windows the user would have seen.

#include "app/screenshottour.h"
#include "windowfixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace sequate::testing {
namespace {

struct Tour {
    const char* what;
    std::vector<std::string> parts;
    QStringList pictures;
};

void PrintTo(const Tour& c, std::ostream* out) {
    *out << c.what;
}

class ScreenshotTourTest : public WindowTest, public ::testing::WithParamInterface<Tour> {};

TEST_P(ScreenshotTourTest, SavesAPictureOfEveryWindowThatOpenedAndEndsTheProgram) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    start({document("amp.sch", GetParam().parts)});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    app::startScreenshotTour(window(), folder.path());
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(ended.front().front().toInt(), 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), GetParam().pictures);
}

INSTANTIATE_TEST_SUITE_P(Docs, ScreenshotTourTest,
                         ::testing::Values(Tour{"ReportOpens",
                                                {"R5", "U1A", "C9"},
                                                {"about-box.png", "main-window.png",
                                                 "preview-window.png", "report-window.png"}},
                                           Tour{"EveryNameNumbered",
                                                {"R5", "C9"},
                                                {"about-box.png", "main-window.png",
                                                 "preview-window.png"}}),
                         [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace sequate::testing
