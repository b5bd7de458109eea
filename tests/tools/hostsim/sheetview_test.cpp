// The sheet zooms about the pointer, pans with the middle button, fits the window again on F
// or Home, and names only the components whose names have room at the current zoom.

#include "tools/hostsim/sheetview.h"
#include "tools/hostsim/simhosts.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::hostsim;

namespace {

// R1 and R2 sit so close that at the fitted zoom their names would overlap.
host::sim::SimState closeNeighbours() {
    return {{{"amp.sch",
              {{"R1", false, {{0, 0}}},
               {"R2", false, {{5, 0}}},
               {"C1", false, {{1000, 1000}}},
               {"U1", false, {{0, 1000}}}}}},
            std::nullopt};
}

class SheetViewTest : public ::testing::Test {
protected:
    SheetViewTest() {
        sheet.resize(600, 400);
        sheet.show();
    }

    void wheel(QPoint at, int notches) {
        QWheelEvent event(at, sheet.mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&sheet, &event);
    }

    std::vector<QPoint> placements() const {
        std::vector<QPoint> points;
        for (std::size_t i = 0; i < 4; ++i)
            points.push_back(sheet.placementAt(i));
        return points;
    }

    bool shown(const char* name) const {
        const auto names = sheet.shownNames();
        return std::find(names.begin(), names.end(), QString(name)) != names.end();
    }

    SimHosts hosts{closeNeighbours()};
    SheetView sheet{hosts.logic()};
};

TEST_F(SheetViewTest, TheWheelZoomsAboutThePointerFOrHomeFitsAgainAndTheMiddleButtonPans) {
    const auto fitted = placements();
    wheel(fitted[2], 3);
    const auto zoomed = placements();
    EXPECT_LE((zoomed[2] - fitted[2]).manhattanLength(), 2) << "the point under the pointer";
    EXPECT_GT((zoomed[3] - zoomed[2]).manhattanLength(),
              (fitted[3] - fitted[2]).manhattanLength() * 3 / 2);
    QTest::keyClick(&sheet, Qt::Key_F);
    EXPECT_EQ(placements(), fitted);
    wheel(fitted[2], -2);
    QTest::keyClick(&sheet, Qt::Key_Home);
    EXPECT_EQ(placements(), fitted);

    const QPoint from(300, 200), shift(40, -30);
    QTest::mousePress(&sheet, Qt::MiddleButton, {}, from);
    QTest::mouseMove(&sheet, from + shift);
    QTest::mouseRelease(&sheet, Qt::MiddleButton, {}, from + shift);
    for (std::size_t i = 0; i < fitted.size(); ++i)
        EXPECT_EQ(placements()[i], fitted[i] + shift) << i;
    EXPECT_FALSE(hosts.logic().documents()[0].components[0].selected) << "a pan selects nothing";
}

TEST_F(SheetViewTest, NamesThatWouldOverlapAreShownOnceZoomedIn) {
    EXPECT_TRUE(shown("C1") && shown("U1"));
    EXPECT_FALSE(shown("R1") && shown("R2"));
    wheel(sheet.placementAt(0), 16);
    EXPECT_TRUE(shown("R1") && shown("R2"));
    EXPECT_FALSE(shown("C1")) << "C1 is out of view";
}

} // namespace
