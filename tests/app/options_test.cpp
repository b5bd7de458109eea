// What choosing an option does to the others, where Tab goes, and captions shown whole.

#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>

namespace sequate::testing {
namespace {

// One letter per control: 'o' can be chosen, 'x' chosen, '-' greyed, '=' greyed but chosen.
const char* const controls[] = {"optStart", "optSelected", "optAssign", "optDuplicate",
                                "txtStart", "chkSend",     "optECO",    "optDirect"};

TEST_F(WindowTest, ChoosingAnOptionEnablesGreysAndClearsTheOthers) {
    const struct {
        std::vector<const char*> clicks;
        const char* state;
    } cases[] = {
        {{}, "oo---o-="},
        {{"optStart"}, "xo--oo-="},
        {{"optStart", "optStart"}, "xo--oo-="},
        {{"optSelected"}, "oxxooo-="},
        {{"optSelected", "optDuplicate", "optStart"}, "xo--oo-="},
        {{"optAssign"}, "oo---o-="},
        {{"chkSend"}, "oo---xox"},
        {{"chkSend", "optECO", "chkSend", "optDirect"}, "oo---o=-"},
    };
    for (const auto& c : cases) {
        start({document("amp.sch", {"R1", "R2"})});
        std::string state;
        std::string clicked;
        for (const char* option : c.clicks) {
            click(option);
            clicked += std::string(" ") + option;
        }
        for (const char* name : controls) {
            auto* button = qobject_cast<QAbstractButton*>(child(name));
            const bool chosen = button && button->isChecked();
            state += child(name)->isEnabled() ? (chosen ? 'x' : 'o') : (chosen ? '=' : '-');
        }
        EXPECT_EQ(state, c.state) << "after clicking" << clicked;
    }
}

// Tab enters a group of options at its selected option (the arrow keys move within the
// group) and passes over greyed controls.
TEST_F(WindowTest, TabVisitsTheSelectedOptionOfEachGroupAndPassesOverGreyedControls) {
    start({document("amp.sch", {"R1"})});
    const auto tabFrom = [this](const char* first) {
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        child(first)->setFocus();
        QStringList visited;
        for (int i = 0; i < 6 && QApplication::focusWidget(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited.join(' ');
    };
    click("optStart");
    EXPECT_EQ(tabFrom("optStart"), "optStart txtStart cmdRun cmdEnd chkSend optStart");
    click("optSelected");
    click("optDuplicate");
    click("chkSend");
    EXPECT_EQ(tabFrom("txtStart"), "txtStart cmdRun optSelected cmdEnd optDuplicate optDirect");
}

// The window keeps its size in twips, wider only as far as the desktop's font needs.
TEST_F(WindowTest, EveryCaptionIsShownWhole) {
    start({document("amp.sch", {"R1"})});
    for (QWidget* control : window().centralWidget()->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace sequate::testing
