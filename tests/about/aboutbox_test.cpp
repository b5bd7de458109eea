// The about box: its texts and the link, which never troubles the user when it cannot open.

#include "about/aboutbox.h"
#include "about/urlopener.h"
#include "tests/support/getchild.h"
#include "tests/support/qtprint.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace sequate::testing {
namespace {

struct RecordingOpener : about::UrlOpener {
    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        if (answer == 2)
            throw std::runtime_error("no browser");
        return answer == 0;
    }
    std::vector<QUrl> urls;
    int answer = 0; // 0: the browser opens, 1: it refuses, 2: it throws
};

TEST(AboutBox, ShowsNameNoticeAndAddressAndOpensTheAddressWithoutComplaint) {
    RecordingOpener opener;
    about::AboutBox box{opener};
    EXPECT_EQ(box.windowTitle(), "About Sequate 1.4");
    EXPECT_EQ(getChild<QLabel>(box, "Label2")->text(), "Sequate 1.4");
    EXPECT_EQ(getChild<QLabel>(box, "Label1")->text(), SEQUATE_NOTICE);
    EXPECT_EQ(getChild<QLabel>(box, "lblAddress")->text(), SEQUATE_WEBSITE);
    box.show();
    for (opener.answer = 0; opener.answer < 3; ++opener.answer) {
        EXPECT_NO_THROW(QTest::mouseClick(getChild<QWidget>(box, "lblAddress"), Qt::LeftButton));
        ASSERT_EQ(opener.urls.size(), opener.answer + 1u);
        EXPECT_EQ(opener.urls.back(), QUrl(QStringLiteral("http://") + SEQUATE_WEBSITE));
        EXPECT_TRUE(box.isVisible());
    }
}

} // namespace
} // namespace sequate::testing
