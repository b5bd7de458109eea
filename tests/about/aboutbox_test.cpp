// The about box: its texts, the link's colour under the mouse, the link itself.

#include "about/aboutbox.h"
#include "about/urlopener.h"
#include "tests/app/getchild.h"
#include "tests/app/qtprint.h"

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
    EXPECT_EQ(child<QPushButton>("cmdClose")->text(), "&Close");
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// A plain label passes the movement on to the window, which turns the address black again;
// the colour outlasts closing the box.
TEST_F(AboutTest, AddressIsBlueUnderTheMouseAndBlackElsewhere) {
    box.show();
    moveOver(child("lblAddress"));
    EXPECT_EQ(addressColour(), QColor(0, 0, 255));
    moveOver(child("Label1"));
    EXPECT_EQ(addressColour(), QColor(0, 0, 0));
    moveOver(child("lblAddress"));
    QTest::mouseClick(child<QPushButton>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    box.show();
    EXPECT_EQ(addressColour(), QColor(0, 0, 255));
}

TEST_F(AboutTest, ClickOnTheAddressOpensItAndNeverComplains) {
    box.show();
    for (auto answer : {RecordingOpener::Answer::Opens, RecordingOpener::Answer::Refuses,
                        RecordingOpener::Answer::Throws}) {
        opener.answer = answer;
        EXPECT_NO_THROW(QTest::mouseClick(child("lblAddress"), Qt::LeftButton));
        EXPECT_EQ(opener.urls.back(), QUrl(QStringLiteral("http://") + SEQUATE_WEBSITE));
        EXPECT_TRUE(box.isVisible());
    }
    EXPECT_EQ(opener.urls.size(), 3u);
}

} // namespace
} // namespace sequate::testing
