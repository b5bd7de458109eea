// The about box: its texts and places, the link's colours, the link itself.

#include "about/aboutbox.h"
#include "about/urlopener.h"
#include "tests/app/getchild.h"
#include "tests/app/qtprint.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace sequate::testing {
namespace {

class RecordingOpener : public about::UrlOpener {
public:
    enum class Answer { Opens, Refuses, Throws };

    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        if (answer == Answer::Throws) {
            throw std::runtime_error("no browser");
        }
        return answer == Answer::Opens;
    }

    std::vector<QUrl> urls;
    Answer answer = Answer::Opens;
};

class AboutTest : public ::testing::Test {
protected:
    template <typename T = QWidget>
    T* child(const char* name) {
        return getChild<T>(box, name);
    }
    QColor addressColour() {
        return child<QLabel>("lblAddress")->palette().color(QPalette::WindowText);
    }
    void moveOver(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    RecordingOpener opener;
    about::AboutBox box{opener};
};

TEST_F(AboutTest, ShowsNameNoticeAndAddress) {
    EXPECT_EQ(box.windowTitle(), "About Sequate 1.4");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Sequate 1.4");
    EXPECT_EQ(child<QLabel>("Label1")->text(), SEQUATE_NOTICE);
    EXPECT_EQ(child<QLabel>("lblAddress")->text(), SEQUATE_WEBSITE);
    EXPECT_FALSE(child<QLabel>("lblAddress")->text().contains("://"));
    EXPECT_EQ(child<QPushButton>("cmdClose")->text(), "&Close");
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

struct Place {
    const char* name;
    int left, top, width, height;
};

void PrintTo(const Place& p, std::ostream* out) {
    *out << p.name;
}

class AboutPlaceTest : public AboutTest, public ::testing::WithParamInterface<Place> {};

TEST_P(AboutPlaceTest, ControlSitsWhereItsTwipsSay) {
    const Place& p = GetParam();
    const QRect expected = widgets::twipsRect(box, p.left, p.top, p.width, p.height);
    const QRect actual = child(p.name)->geometry();
    EXPECT_EQ(actual.topLeft(), expected.topLeft());
    EXPECT_EQ(actual.width(), expected.width());
    EXPECT_GE(actual.height(), expected.height()); // at least one line of its font
}

INSTANTIATE_TEST_SUITE_P(About, AboutPlaceTest,
                         ::testing::Values(Place{"Label2", 180, 180, 3945, 375},
                                           Place{"Label1", 210, 630, 3885, 435},
                                           Place{"lblAddress", 1080, 1200, 2085, 165},
                                           Place{"cmdClose", 3570, 1440, 885, 555}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutTest, ClientAreaIs4500By2040Twips) {
    EXPECT_EQ(box.size(), widgets::twipsRect(box, 0, 0, 4500, 2040).size());
}

TEST_F(AboutTest, AddressTurnsBlueUnderTheMouseAndBlackElsewhere) {
    box.show();
    moveOver(child("lblAddress"));
    EXPECT_EQ(addressColour(), QColor(0, 0, 255));
    moveOver(&box);
    EXPECT_EQ(addressColour(), QColor(0, 0, 0));
    moveOver(child("lblAddress"));
    moveOver(child("Label1")); // a plain label passes the movement on to the window
    EXPECT_EQ(addressColour(), QColor(0, 0, 0));
}

TEST_F(AboutTest, CloseHidesAndTheColourStays) {
    box.show();
    moveOver(child("lblAddress"));
    QTest::mouseClick(child<QPushButton>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    box.show();
    EXPECT_EQ(addressColour(), QColor(0, 0, 255));
}

class AboutLinkTest : public AboutTest,
                      public ::testing::WithParamInterface<RecordingOpener::Answer> {};

TEST_P(AboutLinkTest, ClickOpensTheAddressAndNeverComplains) {
    box.show();
    opener.answer = GetParam();
    EXPECT_NO_THROW(QTest::mouseClick(child("lblAddress"), Qt::LeftButton));
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls.front(), QUrl(QStringLiteral("http://") + SEQUATE_WEBSITE));
    EXPECT_TRUE(box.isVisible());
}

std::string browserName(const ::testing::TestParamInfo<RecordingOpener::Answer>& info) {
    switch (info.param) {
    case RecordingOpener::Answer::Opens:
        return "BrowserOpens";
    case RecordingOpener::Answer::Refuses:
        return "BrowserRefuses";
    case RecordingOpener::Answer::Throws:
        return "BrowserThrows";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(About, AboutLinkTest,
                         ::testing::Values(RecordingOpener::Answer::Opens,
                                           RecordingOpener::Answer::Refuses,
                                           RecordingOpener::Answer::Throws),
                         browserName);

} // namespace
} // namespace sequate::testing
