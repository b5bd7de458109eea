// The controls of the main window as created, and what choosing an option does to the others.

#include "app/widentofit.h"
#include "widgets/twips.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace sequate::testing {
namespace {

struct CreatedControl {
    const char* path; // where it sits: every control of frmStart is found below it
    const char* kind;
    const char* caption;
    bool enabled;
    bool checked;
};

void PrintTo(const CreatedControl& c, std::ostream* out) {
    *out << c.path;
}

QString captionOf(QObject* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        return box->title();
    }
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        return menu->title();
    }
    if (auto* action = qobject_cast<QAction*>(control)) {
        return action->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    return {};
}

bool isEnabled(QObject* control) {
    if (auto* action = qobject_cast<QAction*>(control)) {
        return action->isEnabled();
    }
    return qobject_cast<QWidget*>(control)->isEnabled();
}

bool isChecked(QObject* control) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    return button && button->isChecked();
}

class CreatedControlTest : public WindowTest,
                           public ::testing::WithParamInterface<CreatedControl> {};

TEST_P(CreatedControlTest, HasItsCaptionContainerAndFirstState) {
    const CreatedControl& c = GetParam();
    start({document("amp.sch", {"R1"})});
    QObject* control = child<QObject>(c.path);
    EXPECT_TRUE(control->inherits(c.kind)) << control->metaObject()->className();
    EXPECT_EQ(captionOf(control), c.caption);
    EXPECT_EQ(isEnabled(control), c.enabled);
    EXPECT_EQ(isChecked(control), c.checked);
}

INSTANTIATE_TEST_SUITE_P(
    Window, CreatedControlTest,
    ::testing::Values(
        CreatedControl{"frmStart", "QFrame", "", true, false},
        CreatedControl{"frmStart/optStart", "QRadioButton", "Sequate all components", true, false},
        CreatedControl{"frmStart/optSelected", "QRadioButton", "Sequate selected components", true,
                       false},
        CreatedControl{"frmStart/frmMode", "QFrame", "", true, false},
        CreatedControl{"frmStart/frmMode/optAssign", "QRadioButton", "Assign next free names",
                       false, false},
        CreatedControl{"frmStart/frmMode/optDuplicate", "QRadioButton", "Rename duplicates", false,
                       false},
        CreatedControl{"frmStart/lblStartFrom", "QLabel", "Start from:", true, false},
        CreatedControl{"frmStart/txtStart", "QLineEdit", "1", false, false},
        CreatedControl{"frmStart/frmSend", "QFrame", "", true, false},
        CreatedControl{"frmStart/frmSend/chkSend", "QCheckBox", "Write ECO file for PowerPCB", true,
                       false},
        CreatedControl{"frmStart/frmSend/frmSendOptions", "QGroupBox", "Options", true, false},
        CreatedControl{"frmStart/frmSend/frmSendOptions/optECO", "QRadioButton", "Write only",
                       false, false},
        CreatedControl{"frmStart/frmSend/frmSendOptions/optDirect", "QRadioButton",
                       "Write and force read in PCB", false, true},
        CreatedControl{"cmdRun", "QPushButton", "Run", true, false},
        CreatedControl{"cmdEnd", "QPushButton", "End", true, false},
        CreatedControl{"prgbarEdistys", "QProgressBar", "", true, false},
        CreatedControl{"mnuHelp", "QMenu", "&Help", true, false},
        CreatedControl{"mnuHelp/mnuAbout", "QAction", "&About...", true, false}),
    [](const auto& info) {
        QString name = QString(info.param.path).section('/', -1);
        return name.toStdString();
    });

// Run, End and the progress bar belong to the window, not to the frame of options.
TEST_F(WindowTest, ButtonsAndProgressBarLieOutsideTheOptionsFrame) {
    start({document("amp.sch", {"R1"})});
    auto* frame = child("frmStart");
    for (const char* name : {"cmdRun", "cmdEnd", "prgbarEdistys"}) {
        EXPECT_FALSE(frame->isAncestorOf(child(name))) << name;
    }
}

// 5700 x 2325 twips, wider only as far as the desktop's font needs for every caption.
TEST_F(WindowTest, ClientAreaIs5700By2325TwipsAndShowsEveryCaptionWhole) {
    start({document("amp.sch", {"R1"})});
    const QSize client = window().centralWidget()->size();
    EXPECT_GE(client.width(), widgets::twipsToPixels(5700, window().logicalDpiX()));
    EXPECT_EQ(client.height(), widgets::twipsToPixels(2325, window().logicalDpiY()));
    for (QWidget* control : window().centralWidget()->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->objectName().toStdString();
        }
    }
}

TEST(WidenToFit, StretchesPlacesAndWidthsByOneFactor) {
    QWidget client;
    client.setFixedSize(100, 40);
    auto* caption = new QLabel("a caption far too long for its place", &client);
    caption->setGeometry(10, 5, 40, 20);
    auto* other = new QWidget(&client);
    other->setGeometry(50, 5, 50, 20);
    const double factor = static_cast<double>(caption->sizeHint().width()) / 40.0;
    app::widenToFitCaptions(client);
    EXPECT_EQ(caption->width(), std::lround(50 * factor) - std::lround(10 * factor));
    EXPECT_GE(caption->width(), caption->sizeHint().width());
    EXPECT_EQ(other->x(), caption->x() + caption->width()); // still side by side
    EXPECT_EQ(client.width(), std::lround(100 * factor));
    EXPECT_EQ(other->height(), 20);
}

// The arrangement: start options top left, ECO options top right, Run / start box / End along
// the bottom, the progress bar as the last strip.
TEST_F(WindowTest, ControlsAreArrangedAsTheUserExpects) {
    start({document("amp.sch", {"R1"})});
    auto at = [this](const char* path) {
        QWidget* w = child(path);
        return QRect(w->mapTo(&window(), QPoint(0, 0)), w->size());
    };
    const QRect all = at("frmStart/optStart");
    const QRect selected = at("frmStart/optSelected");
    const QRect mode = at("frmStart/frmMode");
    const QRect send = at("frmStart/frmSend");
    const QRect run = at("cmdRun");
    const QRect box = at("frmStart/txtStart");
    const QRect end = at("cmdEnd");
    const QRect bar = at("prgbarEdistys");
    EXPECT_LT(all.bottom(), selected.bottom());
    EXPECT_LE(selected.bottom(), mode.top());
    EXPECT_GT(send.left(), mode.right());
    EXPECT_GT(run.top(), mode.bottom());
    EXPECT_LT(run.right(), box.left());
    EXPECT_LT(box.right(), end.left());
    EXPECT_GT(bar.top(), end.bottom());
    EXPECT_EQ(bar.width(), window().centralWidget()->width());
    EXPECT_LE(bar.height(), widgets::twipsToPixels(240, window().logicalDpiY()));
}

struct OptionState {
    bool assignEnabled;
    bool duplicateEnabled;
    bool assignChecked;
    bool duplicateChecked;
    bool startBoxEnabled;
    bool ecoEnabled;
    bool ecoChecked;
    bool directChecked;
};

class OptionTableTest : public WindowTest {
protected:
    OptionState state() {
        auto option = [this](const char* name) { return child<QRadioButton>(name); };
        return {option("optAssign")->isEnabled(), option("optDuplicate")->isEnabled(),
                option("optAssign")->isChecked(), option("optDuplicate")->isChecked(),
                child("txtStart")->isEnabled(),   option("optECO")->isEnabled(),
                option("optECO")->isChecked(),    option("optDirect")->isChecked()};
    }
    void expectState(const OptionState& expected) {
        const OptionState actual = state();
        EXPECT_EQ(actual.assignEnabled, expected.assignEnabled);
        EXPECT_EQ(actual.duplicateEnabled, expected.duplicateEnabled);
        EXPECT_EQ(actual.assignChecked, expected.assignChecked);
        EXPECT_EQ(actual.duplicateChecked, expected.duplicateChecked);
        EXPECT_EQ(actual.startBoxEnabled, expected.startBoxEnabled);
        EXPECT_EQ(actual.ecoEnabled, expected.ecoEnabled);
        EXPECT_EQ(actual.ecoChecked, expected.ecoChecked);
        EXPECT_EQ(actual.directChecked, expected.directChecked);
    }
    void SetUp() override { start({document("amp.sch", {"R1", "R2"})}); }
};

TEST_F(OptionTableTest, WindowCreated) {
    expectState({false, false, false, false, false, false, false, true});
}

TEST_F(OptionTableTest, AllComponentsChosen) {
    click("optStart");
    expectState({false, false, false, false, true, false, false, true});
}

TEST_F(OptionTableTest, SelectedComponentsChosenSelectsAssignNextFreeNames) {
    click("optSelected");
    expectState({true, true, true, false, true, false, false, true});
    EXPECT_FALSE(child<QRadioButton>("optStart")->isChecked());
}

TEST_F(OptionTableTest, AllComponentsAfterDuplicatesGreysAndClearsTheModeOptions) {
    click("optSelected");
    click("optDuplicate");
    ASSERT_TRUE(child<QRadioButton>("optDuplicate")->isChecked());
    click("optStart");
    expectState({false, false, false, false, true, false, false, true});
    EXPECT_FALSE(child<QRadioButton>("optSelected")->isChecked());
}

TEST_F(OptionTableTest, ChoosingTheSelectedOptionAgainKeepsIt) {
    click("optStart");
    click("optStart");
    EXPECT_TRUE(child<QRadioButton>("optStart")->isChecked());
}

TEST_F(OptionTableTest, EcoCheckBoxEnablesAndGreysTheEcoOptionsKeepingTheChoice) {
    click("chkSend");
    expectState({false, false, false, false, false, true, false, true});
    click("optECO");
    click("chkSend");
    expectState({false, false, false, false, false, false, true, false});
    click("optDirect"); // greyed: nothing happens
    EXPECT_TRUE(child<QRadioButton>("optECO")->isChecked());
}

TEST_F(OptionTableTest, GreyedModeOptionsIgnoreClicks) {
    click("optAssign");
    expectState({false, false, false, false, false, false, false, true});
}

// The order in which Tab moves through the window.
TEST_F(WindowTest, FocusChainFollowsTheControlsOrder) {
    start({document("amp.sch", {"R1"})});
    const QStringList order{"optStart",  "txtStart",     "cmdRun", "optSelected", "cmdEnd",
                            "optAssign", "optDuplicate", "optECO", "optDirect",   "chkSend"};
    QStringList chain;
    QWidget* widget = child(order.front());
    do {
        if (order.contains(widget->objectName())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != child(order.front()));
    EXPECT_EQ(chain, order);
}

class FocusTest : public WindowTest {
protected:
    // The names of the controls the keyboard focus visits, pressing Tab after each.
    QStringList tabFrom(const char* first, int count) {
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        child(first)->setFocus();
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus) {
                ADD_FAILURE() << "no control has the focus after "
                              << visited.join(' ').toStdString();
                break;
            }
            visited << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return visited;
    }
};

// As in every desktop toolkit, Tab enters a group of options at its selected option (the
// arrow keys move within the group) and passes over greyed controls.
TEST_F(FocusTest, TabVisitsTheSelectedOptionOfEachGroupAndPassesOverGreyedControls) {
    start({document("amp.sch", {"R1"})});
    click("optStart");
    EXPECT_EQ(tabFrom("optStart", 6).join(' '), "optStart txtStart cmdRun cmdEnd chkSend optStart");

    click("optSelected");
    click("optDuplicate");
    click("chkSend");
    EXPECT_EQ(tabFrom("txtStart", 6).join(' '),
              "txtStart cmdRun optSelected cmdEnd optDuplicate optDirect");
}

TEST_F(FocusTest, ArrowKeysMoveWithinAGroup) {
    start({document("amp.sch", {"R1"})});
    click("optSelected");
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    child("optAssign")->setFocus();
    QTest::keyClick(child("optAssign"), Qt::Key_Down);
    EXPECT_TRUE(child<QRadioButton>("optDuplicate")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("optAssign")->isChecked());
}

} // namespace
} // namespace sequate::testing
