// Help > About: one about box, opened again beside the main window wherever it has moved;
// Help > Sequate Help: the help page.

#include "about/aboutbox.h"
#include "widgets/twips.h"
#include "windowfixture.h"

#include <QAction>
#include <QFileInfo>

namespace sequate::testing {
namespace {

TEST_F(WindowTest, AboutBoxIsMadeOnceAndOpensBesideTheMainWindow) {
    start({document("amp.sch", {"R1"})});
    const QPoint offset = widgets::twipsOffset(window(), 100, 100);

    child<QAction>("mnuHelp/mnuAbout")->trigger();
    auto* box = child("frmAbout");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), window().pos() + offset);
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(box->isModal());

    window().move(window().pos() + QPoint(40, 30));
    child<QAction>("mnuHelp/mnuAbout")->trigger();
    EXPECT_EQ(window().findChildren<about::AboutBox*>().size(), 1);
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

TEST_F(WindowTest, HelpOpensTheHelpPageThroughTheDialogs) {
    start({document("amp.sch", {"R1"})});
    child<QAction>("mnuHelp/mnuHelpPage")->trigger();
    ASSERT_EQ(dialogs.urls.size(), 1u);
    EXPECT_TRUE(dialogs.urls.front().isLocalFile());
    EXPECT_TRUE(QFileInfo::exists(dialogs.urls.front().toLocalFile()));
    EXPECT_TRUE(dialogs.urls.front().path().endsWith("/help.md"));
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.browser = FakeDialogs::Browser::Refuses;
    child<QAction>("mnuHelp/mnuHelpPage")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages.front().text.endsWith("help.md"));
}

} // namespace
} // namespace sequate::testing
