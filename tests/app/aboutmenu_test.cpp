// Help > About: one about box, opened again beside the main window wherever it has moved.

#include "about/frmabout.h"
#include "about/twips.h"
#include "windowfixture.h"

#include <QAction>

namespace sequate::testing {
namespace {

TEST_F(WindowTest, AboutBoxIsMadeOnceAndOpensBesideTheMainWindow) {
    start({document("amp.sch", {"R1"})});
    const QPoint offset = about::twipsOffset(window(), 100, 100);

    child<QAction>("mnuHelp/mnuAbout")->trigger();
    auto* box = child("frmAbout");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), window().pos() + offset);
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(box->isModal());

    window().move(window().pos() + QPoint(40, 30));
    child<QAction>("mnuHelp/mnuAbout")->trigger();
    EXPECT_EQ(window().findChildren<about::frmAbout*>().size(), 1);
    EXPECT_EQ(box->pos(), window().pos() + offset);

    box->hide();
    child<QAction>("mnuHelp/mnuAbout")->trigger();
    EXPECT_EQ(child("frmAbout"), box);
    EXPECT_TRUE(box->isVisible());
}

TEST_F(WindowTest, AddressOfTheAboutBoxGoesThroughTheDialogs) {
    start({document("amp.sch", {"R1"})});
    child<QAction>("mnuHelp/mnuAbout")->trigger();
    dialogs.browser = FakeDialogs::Browser::Throws;
    QTest::mouseClick(child("frmAbout/lblAddress"), Qt::LeftButton);
    EXPECT_EQ(dialogs.urls.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace sequate::testing
