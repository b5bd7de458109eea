// The Windows window's wiring, one case per wiring: what ui/ decides is tested there.

#include "host/com/droppedobjects.h"
#include "tests/support/longestaccountlines.h"
#include "win/dpi.h"
#include "win/helppage.h"
#include "windowfixture.h"

#include <fstream>
#include <sstream>

using namespace sequate;
using namespace sequate::testing;
using ui::Control;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

// The clicks and typing reach the options and the controls show them; the next start, here the
// window launched again, shows them again where the window was.
TEST_F(WindowTest, ClicksAndTypingReachTheOptionsAndTheNextStartShowsThemAgain) {
    click(Control::selectedComponentsOption);
    click(Control::sendEcoBox);
    click(Control::writeOnlyOption);
    type(Control::startBox, "7");
    type(Control::leaveAloneBox, "TP*");
    ::SendMessageW(control(Control::orderBox), WM_KEYDOWN, VK_DOWN, 0);
    ::SetWindowPos(window().handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (bool again : {false, true}) {
        if (again) {
            click(Control::endButton);
            launched = win::launch(*objects, dialogs, [this](int status) { endedWith = status; });
        }
        const ui::OptionPanel& options = window().logic().options();
        EXPECT_EQ(options.scope(), engine::PassScope::SelectedComponents);
        EXPECT_EQ(options.eco(), engine::EcoDestination::ChosenFile);
        EXPECT_EQ(options.startText(), "7");
        EXPECT_EQ(options.leaveAloneText(), "TP*");
        EXPECT_EQ(options.order(), engine::WalkOrder::AcrossThenDown);
        wchar_t first[32] = L"";
        ::SendMessageW(control(Control::orderBox), CB_GETLBTEXT, 0,
                       reinterpret_cast<LPARAM>(first));
        EXPECT_EQ(win::narrow(first), "By position");
        EXPECT_EQ(::SendMessageW(control(Control::orderBox), CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(win::windowText(control(Control::leaveAloneBox)), "TP*");
        for (const ui::ControlPlace& place : ui::mainWindowControls()) {
            HWND shown = control(place.control);
            EXPECT_EQ(window().child(place.objectName), shown);
            EXPECT_EQ(::IsWindowEnabled(shown) != FALSE, options.enabled(place.control))
                << place.objectName;
            if (place.kind == ui::ControlKind::Option || place.kind == ui::ControlKind::CheckBox) {
                EXPECT_EQ(::SendMessageW(shown, BM_GETCHECK, 0, 0) == BST_CHECKED,
                          options.chosen(place.control))
                    << place.objectName;
            }
        }
        RECT frame;
        ::GetWindowRect(window().handle(), &frame);
        EXPECT_EQ(std::pair(frame.left, frame.top), std::pair(40L, 30L));
    }
}

// Saving the plan renames nothing and keeps the preview open.
TEST_F(WindowTest, PreviewShowsThePlanSavesItAndApplyRunsIt) {
    click(Control::allComponentsOption);
    type(Control::startBox, "3");
    choose(ui::MenuItem::previewItem);
    ASSERT_TRUE(window().preview().visible());
    EXPECT_FALSE(::IsWindowEnabled(window().handle())); // the plan holds while nothing changes
    EXPECT_GT(listRows(window().preview()), 0);
    const std::string eco = temporaryFile("win-plan.eco");
    dialogs.saveAnswers = {eco};
    click(window().preview().child("cmdSaveEco"));
    EXPECT_NE(readFile(eco).find("\nR1 R3\r\n"), std::string::npos) << readFile(eco);
    EXPECT_EQ(dialogs.offeredNames, std::vector<std::string>{"amp-plan.eco"});
    EXPECT_TRUE(window().preview().visible());
    click(window().preview().child("cmdApply"));
    EXPECT_FALSE(window().preview().visible());
    EXPECT_TRUE(::IsWindowEnabled(window().handle()));
    EXPECT_EQ(namesInTheSimulator(), (std::vector<std::string>{"R3", "C3", "U3", "R4"}));
}

TEST_F(WindowTest, AboutBoxAddressTurnsBlueUnderThePointerAndOpensInTheBrowser) {
    choose(ui::MenuItem::aboutItem);
    win::AboutBox* about = window().about();
    ASSERT_TRUE(about && about->visible());
    EXPECT_EQ(win::windowText(about->handle()), "About Sequate 1.4");
    HWND address = about->child("lblAddress");
    ::SendMessageW(address, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(about->addressColour(), RGB(0, 0, 255));
    ::SendMessageW(about->handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(about->addressColour(), RGB(0, 0, 0));
    ::SendMessageW(about->handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(address), STN_CLICKED),
                   reinterpret_cast<LPARAM>(address));
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"http://" + win::windowText(address)});
    click(about->child("cmdClose"));
    EXPECT_FALSE(about->visible());
}

// A page that is missing, and one the browser could not open, are told apart, with the place.
TEST_F(WindowTest, HelpPageMissingOrNotOpenedIsSaidWithItsPlace) {
    // The tests' folder has no rendered page beside them.
    choose(ui::MenuItem::helpPageItem);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("could not be found"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("doc\\help.html"), std::string::npos);
    EXPECT_TRUE(dialogs.opened.empty());
    const std::string page = win::helpPagePath();
    const std::string folder = page.substr(0, page.rfind('\\'));
    ::CreateDirectoryW(win::wide(folder).c_str(), nullptr);
    std::ofstream(page) << "<html></html>";
    dialogs.openSucceeds = false;
    choose(ui::MenuItem::helpPageItem);
    ::DeleteFileW(win::wide(page).c_str());
    ::RemoveDirectoryW(win::wide(folder).c_str());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[1].find("could not be opened. It is the file " + page),
              std::string::npos);
}

TEST_F(WindowTest, EndButtonEndsWithStatusZeroAndHidesTheWindows) {
    click(Control::endButton);
    EXPECT_EQ(endedWith, 0);
    EXPECT_FALSE(window().visible());
}

// Enter in the start box runs a pass; the End key, pressed where the keyboard was, waits in the
// queue until the pass lets the window respond, and reaches the stop question from the greyed
// box, while the bar counts the read. Afterwards the keyboard is back in the start box, and the
// next pass runs to its end.
TEST_F(WindowTest, EndKeyDuringAPassAsksAndStopsIt) {
    dialogs.answers.push_back(false); // "Stop the pass"
    LRESULT barMaximum = 0;
    dialogs.whileAsking = [&] {
        barMaximum = ::SendMessageW(control(Control::progressBar), PBM_GETRANGE, FALSE, 0);
    };
    click(Control::allComponentsOption);
    type(Control::startBox, "5");
    HWND start = control(Control::startBox);
    ::SetFocus(start);
    ::PostMessageW(start, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageW(start, WM_KEYDOWN, VK_END, 0);
    ::PostQuitMessage(0);
    win::runMessageLoop();
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(::GetFocus(), start);
    EXPECT_FALSE(endedWith);
    EXPECT_TRUE(::IsWindowEnabled(control(Control::runButton)));
    EXPECT_EQ(barMaximum, 4); // the read of four components
    EXPECT_NE(win::windowText(control(Control::accountLine)).find("Nothing changed"),
              std::string::npos);
    ::PostMessageW(start, WM_KEYDOWN, VK_RETURN, 0);
    ::PostQuitMessage(0);
    win::runMessageLoop();
    EXPECT_EQ(namesInTheSimulator(), (std::vector<std::string>{"R5", "C5", "U5", "R6"}));
}

// Enter in the order box presses Run, through the message loop's dialog keys; the refusal of
// the leave-alone text is titled after its box, which takes the keyboard, its text selected.
TEST_F(WindowTest, EnterInTheOrderBoxRunsAndARefusedLeaveAloneEntryGoesBackToItsBox) {
    click(Control::allComponentsOption);
    type(Control::leaveAloneBox, "TP*, 1x*");
    HWND order = control(Control::orderBox);
    ::SetFocus(order);
    ::PostMessageW(order, WM_KEYDOWN, VK_RETURN, 0);
    ::PostQuitMessage(0);
    win::runMessageLoop();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("exclamation | Leave alone | \"1x*\"", 0), 0u);
    HWND box = control(Control::leaveAloneBox);
    EXPECT_EQ(::GetFocus(), box);
    DWORD from = 1, to = 0;
    ::SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(std::pair(from, to), std::pair(DWORD{0}, DWORD{8}));
}

// Alt+T reaches the start box through its label.
TEST_F(WindowTest, AccessKeyOfTheStartLabelReachesTheStartBox) {
    click(Control::allComponentsOption);
    ::SetFocus(control(Control::allComponentsOption));
    ::PostMessageW(control(Control::allComponentsOption), WM_SYSCHAR, 't', 1 << 29);
    win::handleWaitingMessages();
    EXPECT_EQ(::GetFocus(), control(Control::startBox));
}

// The account line holds its longest lines, wrapped, at 96 dpi and at 144.
TEST_F(WindowTest, AccountLineHoldsItsLongestLinesAt96And144Dpi) {
    HWND line = control(Control::accountLine);
    for (WORD dpi : {96, 144}) {
        RECT frame;
        ::GetWindowRect(window().handle(), &frame);
        ::SendMessageW(window().handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&frame));
        for (const std::string& text : longestAccountLines()) {
            win::setWindowText(line, text);
            RECT box;
            ::GetClientRect(line, &box);
            EXPECT_LE(win::wrappedTextHeight(line, box.right), box.bottom) << dpi << " " << text;
        }
    }
}

// In the report, Tab leaves the box of names ending in a letter and Escape closes the window
// from it; a header's click sorts by its column; a new report clears the filter. Pass > Last
// pass report brings it back from the task bar.
TEST_F(WindowTest, ReportHasNoKeyboardTrapSortsByHeaderAndClearsItsFilter) {
    win::ReportWindow& report = window().report();
    const ui::PassReport shown{"1 renamed", {{"R10", "R1", ""}, {"R2", "R2", "x"}}, "R\r\n"};
    report.setReport(shown);
    report.bringToFront();
    HWND list = report.child("lstNames");
    NMLISTVIEW click{{list, 0, static_cast<UINT>(LVN_COLUMNCLICK)}, -1, 0, 0, 0, 0, {}, 0};
    ::SendMessageW(report.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(report.shownRows().front().before, "R2");
    type(report.child("txtFilter"), "R1");
    EXPECT_EQ(listRows(report), 1);
    report.setReport(shown);
    EXPECT_EQ(listRows(report), 2);
    HWND box = report.child("txtNotChanged");
    ::SetFocus(box);
    ::PostMessageW(box, WM_KEYDOWN, VK_TAB, 0);
    win::handleWaitingMessages();
    EXPECT_EQ(::GetFocus(), report.child("cmdCopy"));
    ::SetFocus(box);
    ::PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 0);
    win::handleWaitingMessages();
    EXPECT_FALSE(report.visible());
    ::ShowWindow(report.handle(), SW_MINIMIZE);
    choose(ui::MenuItem::reportItem);
    EXPECT_TRUE(report.visible() && !::IsIconic(report.handle()));
}

// The message loop hands the window what PowerLogic said while the window was busy.
TEST_F(WindowTest, DocumentOpenedDuringAPreviewReachesTheCaptionThroughTheMessageLoop) {
    launched = {};
    objects.reset();
    host::sim::SimState state = ampState();
    state.documents.push_back(state.documents[0]);
    state.documents[1].name = "preamp.sch";
    start(state, {"--open-document-at-call", "20", "--open-index", "1"});
    click(Control::allComponentsOption);
    choose(ui::MenuItem::previewItem);
    ::SetTimer(nullptr, 0, 1000, [](HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        ::PostQuitMessage(0);
    });
    win::runMessageLoop();
    EXPECT_EQ(win::windowText(window().handle()), "Quillaron preamp.sch");
}

// The objects a pass dropped are not released while the window is greyed: that took seconds
// under Wine. The message loop releases them while no input waits.
TEST_F(WindowTest, ThePassesObjectsAreReleasedByTheMessageLoop) {
    click(Control::allComponentsOption);
    click(Control::runButton);
    EXPECT_TRUE(::IsWindowEnabled(control(Control::runButton)));
    EXPECT_GT(host::com::droppedObjectsWaiting(), 4u);
    ::SetTimer(nullptr, 0, 1000, [](HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        ::PostQuitMessage(0);
    });
    win::runMessageLoop();
    EXPECT_EQ(host::com::droppedObjectsWaiting(), 0u);
}
