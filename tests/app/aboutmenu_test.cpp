// Help > About: one about box, opened again beside the main window wherever it has moved;
// Help > Sequate Help: the help page, or where it is when no browser opens it.

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
    child<QAction>("mnuAbout")->trigger();
    auto* box = child("frmAbout");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), window().pos() + offset);
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(box->isModal());

    box->hide();
    window().move(window().pos() + QPoint(40, 30));
    child<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(window().findChildren<about::AboutBox*>().size(), 1);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), window().pos() + offset);

    QTest::mouseClick(child("frmAbout/lblAddress"), Qt::LeftButton);
    EXPECT_EQ(dialogs.urls.size(), 1u); // the box's link goes through the dialogs
}

TEST_F(WindowTest, HelpOpensTheHelpPageOrSaysWhereItIs) {
    start({document("amp.sch", {"R1"})});
    child<QAction>("mnuHelpPage")->trigger();
    ASSERT_EQ(dialogs.urls.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(dialogs.urls.front().toLocalFile()));
    EXPECT_TRUE(dialogs.urls.front().path().endsWith("/help.md"));
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.browserOpens = false;
    child<QAction>("mnuHelpPage")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages.front().text.startsWith("The help page could not be opened."));
    EXPECT_TRUE(dialogs.messages.front().text.endsWith("help.md"));
}

} // namespace
} // namespace sequate::testing
