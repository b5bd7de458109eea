// The Run button: the start number check, a pass as the user sees it, the progress bar, the
// report window and the two ways of writing the ECO file.

#include "eco/ecotext.h"
#include "windowfixture.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <utility>

namespace sequate::testing {
namespace {

using engine::MessageStyle;

struct BadStart {
    const char* option;
    const char* text;
    const char* message;
};

void PrintTo(const BadStart& c, std::ostream* out) {
    *out << c.option << " \"" << c.text << "\"";
}

class BadStartTest : public WindowTest, public ::testing::WithParamInterface<BadStart> {};

TEST_P(BadStartTest, SaysSoAndStartsNoPass) {
    start({document("amp.sch", {"R5", "R7"})});
    click(GetParam().option);
    typeStart(GetParam().text);
    const std::uint64_t callsBefore = hosts->logic.callCount();
    run();
    const ShownMessage expected{MessageStyle::Exclamation, "Error Message", GetParam().message};
    EXPECT_EQ(dialogs.messages, std::vector<ShownMessage>{expected});
    EXPECT_EQ(hosts->logic.callCount(), callsBefore);
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R5", "R7"}));
}

INSTANTIATE_TEST_SUITE_P(Run, BadStartTest,
                         ::testing::Values(BadStart{"optStart", "0", "Illegal Value"},
                                           BadStart{"optSelected", "1.5",
                                                    "Illegal value in Start textbox"}));

TEST_F(WindowTest, RunWithoutAStartOptionDoesNothing) {
    start({document("amp.sch", {"R5", "R7"})});
    const std::uint64_t callsBefore = hosts->logic.callCount();
    run();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(hosts->logic.callCount(), callsBefore);
}

TEST_F(WindowTest, PassOverAllComponentsRenamesThemFromTheStartNumber) {
    start({document("amp.sch", {"R5", "C9", "R7"})});
    click("optStart");
    typeStart("3");
    run();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R3", "C3", "R4"}));
    EXPECT_FALSE(hosts->logic.passOpen());
}

TEST_F(WindowTest, PassOverSelectedComponentsRenamesOnlyThem) {
    start({document("amp.sch", {"R5", "R7", "R9"}, {0, 2})});
    click("optSelected");
    typeStart("20");
    run();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R20", "R7", "R21"}));
}

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return false;
    }
    int count = 0;
};

// The window's progress bar as the user sees it.
class ProgressTest : public WindowTest {
protected:
    QProgressBar* shown() { return child<QProgressBar>("prgbarEdistys"); }
};

std::vector<std::string> parts(int count, const char* code) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) {
        names.push_back(code + std::to_string(i));
    }
    return names;
}

// A pass keeps the event loop until it ends, so the bar must paint itself as it steps.
TEST_F(ProgressTest, BarPaintsItselfDuringThePass) {
    start({document("amp.sch", parts(20, "R"))});
    click("optStart");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    PaintCounter paints;
    shown()->installEventFilter(&paints);
    int atBegin = -1;
    int atEnd = -1;
    hosts->logic.setCallObserver([&](const std::string& call) {
        if (call == "LogicApplication.BeginPass") {
            atBegin = paints.count;
        } else if (call == "LogicApplication.EndPass") {
            atEnd = paints.count;
        }
    });
    run();
    hosts->logic.setCallObserver({});
    EXPECT_GE(atEnd - atBegin, 10);
}

// One component: the maximum equals the minimum, which the bar draws empty.
TEST_F(ProgressTest, AnEmptyRangeIsDrawnEmpty) {
    start({document("amp.sch", {"R4"})});
    window().progressBar().setMinimum(0);
    window().progressBar().setMaximum(0);
    EXPECT_EQ(shown()->value(), shown()->minimum());
    EXPECT_LT(shown()->minimum(), shown()->maximum()); // not the "busy" drawing of 0..0
}

TEST_F(WindowTest, ReportWindowListsTheUnnamedComponentsOfTheLastPass) {
    auto reportText = [this] {
        return child<QPlainTextEdit>("frmNotChanged/txtNotChanged")->toPlainText();
    };
    start({document("amp.sch", {"R5", "U1A", "C2", "R"})});
    EXPECT_FALSE(child("frmNotChanged")->isVisible());
    click("optStart");
    run();
    EXPECT_TRUE(child("frmNotChanged")->isVisible());
    EXPECT_EQ(reportText(), "U1A\nR\n");

    QTest::mouseClick(child<QPushButton>("frmNotChanged/cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(child("frmNotChanged")->isVisible());
    run();
    EXPECT_TRUE(child("frmNotChanged")->isVisible());
    EXPECT_EQ(reportText(), "U1A\nR\n");
    EXPECT_TRUE(child<QPlainTextEdit>("txtNotChanged")->isReadOnly());
}

TEST_F(WindowTest, PassWithEveryComponentNamedOpensNoReport) {
    start({document("amp.sch", {"R5", "C2"})});
    click("optStart");
    run();
    EXPECT_FALSE(child("frmNotChanged")->isVisible());
}

class WriteOnlyTest : public WindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        start({document("amp.sch", {"R5", "R7"})});
        click("optStart");
        click("chkSend");
        click("optECO");
    }
    QStringList written() const { return QDir(folder.path()).entryList(QDir::Files); }

    QTemporaryDir folder;
};

// Cancel writes nothing and asks: the default undoes the renames and says so; keeping them is
// the user's choice.
TEST_F(WriteOnlyTest, CancelWritesNothingAndAsksWhetherToKeepTheRenames) {
    for (bool keep : {false, true}) {
        dialogs.saveAnswers = {std::nullopt};
        dialogs.keepOnCancel = keep;
        dialogs.messages.clear();
        run();
        EXPECT_TRUE(written().isEmpty());
        EXPECT_EQ(hosts->logic.openNames(), (keep ? std::vector<std::string>{"R1", "R2"}
                                                  : std::vector<std::string>{"R5", "R7"}));
        EXPECT_EQ(dialogs.messages.size(), keep ? 0u : 1u);
    }
    EXPECT_EQ(dialogs.cancelQuestions, 2);
}

TEST_F(WriteOnlyTest, ChosenPathGetsTheFileAsTyped) {
    const QString path = folder.filePath("renames");
    dialogs.saveAnswers = {path};
    run();
    EXPECT_EQ(written(), QStringList{"renames"}); // no extension added
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.toStdString(), eco::ecoText({"R5", "R7"}, {"R1", "R2"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, WriteAndForceReadInPcbRenamesTheLayoutToo) {
    start({document("amp.sch", {"R5", "C9", "R7"})});
    click("optStart");
    click("chkSend");
    run();
    EXPECT_TRUE(dialogs.filters.empty());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R1", "C1", "R2"}));
    ASSERT_TRUE(hosts->pcb.layout().has_value());
    EXPECT_EQ(hosts->pcb.layout()->parts, hosts->logic.openNames());
    EXPECT_TRUE(hosts->pcb.log().empty());
}

// A pass that stops is reported; the window stays usable for the next one.
TEST_F(WindowTest, WindowStaysUsableAfterAPassThatStopped) {
    start({document("amp.sch", {"R5", "R7"})});
    click("optStart");
    hosts->logic.failCall(6, host::HostCode::ServerUnavailable);
    run();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().style, MessageStyle::Critical);
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R5", "R7"}));
    EXPECT_TRUE(window().isVisible());
    run();
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R1", "R2"}));
}

} // namespace
} // namespace sequate::testing
