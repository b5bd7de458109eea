// The Windows window's wiring, one case per wiring: what ui/ decides is tested there.

#include "host/com/droppedobjects.h"
#include "windowfixture.h"

#include <fstream>
#include <sstream>

using namespace sequate;
using namespace sequate::testing;
using ui::Control;

namespace {

std::string className(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return win::narrow(name);
}

std::string menuCaption(HWND window, ui::MenuItem item) {
    wchar_t caption[64] = L"";
    ::GetMenuStringW(::GetMenu(window), static_cast<UINT>(win::menuId(item)), caption, 64,
                     MF_BYCOMMAND);
    return win::narrow(caption);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST_F(WindowTest, EveryControlAndMenuItemHasItsCaptionAndObjectName) {
    EXPECT_EQ(className(window().handle()), "frmRenPart");
    EXPECT_EQ(win::windowText(window().handle()), "Sequate amp.sch");
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        HWND shown = ::GetDlgItem(window().handle(), win::controlId(place.control));
        ASSERT_TRUE(shown) << place.objectName;
        EXPECT_EQ(window().child(place.objectName), shown);
        if (place.kind != ui::ControlKind::TextBox) {
            EXPECT_EQ(win::windowText(shown), place.caption) << place.objectName;
        }
    }
    EXPECT_EQ(win::windowText(control(Control::startBox)), "1");
    for (const ui::MenuPlace& place : ui::mainWindowMenus())
        if (place.menu) {
            EXPECT_EQ(menuCaption(window().handle(), place.item), place.caption);
        }
}

TEST_F(WindowTest, ClicksAndTypingReachTheOptionsAndTheControlsShowThem) {
    click(Control::selectedComponentsOption);
    click(Control::sendEcoBox);
    click(Control::writeOnlyOption);
    type(Control::startBox, "7");
    const ui::OptionPanel& options = window().logic().options();
    EXPECT_EQ(options.scope(), engine::PassScope::SelectedComponents);
    EXPECT_EQ(options.eco(), engine::EcoDestination::ChosenFile);
    EXPECT_EQ(options.startText(), "7");
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        HWND shown = control(place.control);
        EXPECT_EQ(::IsWindowEnabled(shown) != FALSE, options.enabled(place.control))
            << place.objectName;
        if (place.kind == ui::ControlKind::Option || place.kind == ui::ControlKind::CheckBox) {
            EXPECT_EQ(::SendMessageW(shown, BM_GETCHECK, 0, 0) == BST_CHECKED,
                      options.chosen(place.control))
                << place.objectName;
        }
    }
}

TEST_F(WindowTest, RunRenamesInPowerLogicWritesTheEcoFileWhereChosenAndReports) {
    const std::string eco = temporaryFile("win-run.eco");
    dialogs.saveAnswers.push_back(eco);
    click(Control::allComponentsOption);
    click(Control::sendEcoBox);
    click(Control::writeOnlyOption);
    type(Control::startBox, "5");
    click(Control::runButton);

    EXPECT_EQ(dialogs.filters, std::vector<std::string>{"ECO files (*.eco) |*.eco|"});
    EXPECT_NE(readFile(eco).find("R1 R5"), std::string::npos) << readFile(eco);
    EXPECT_EQ(listRows(window().report()), 4);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
    EXPECT_EQ(namesInTheSimulator(), (std::vector<std::string>{"R5", "C5", "U5", "R6"}));
}

TEST_F(WindowTest, RefusedStartTextShowsTheRefusal) {
    click(Control::allComponentsOption);
    type(Control::startBox, "0");
    click(Control::runButton);
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"exclamation | Error Message | Illegal Value\nType a whole "
                                       "number from 1 to 32767."});
}

TEST_F(WindowTest, PreviewShowsThePlanAndApplyRunsIt) {
    click(Control::allComponentsOption);
    type(Control::startBox, "3");
    choose(ui::MenuItem::previewItem);
    ASSERT_TRUE(window().preview().visible());
    EXPECT_FALSE(::IsWindowEnabled(window().handle())); // the plan holds while nothing changes
    EXPECT_GT(listRows(window().preview()), 0);
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

TEST_F(WindowTest, MissingHelpPageIsSaidWithItsPlace) {
    // The tests' folder has no rendered page beside them.
    choose(ui::MenuItem::helpPageItem);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("doc\\help.html"), std::string::npos);
    EXPECT_TRUE(dialogs.opened.empty());
}

TEST_F(WindowTest, EndButtonEndsWithStatusZeroAndHidesTheWindows) {
    click(Control::endButton);
    EXPECT_EQ(endedWith, 0);
    EXPECT_FALSE(window().visible());
}

// End waits in the queue until the pass lets the window respond, as a click during it would.
TEST_F(WindowTest, EndDuringAPassAsksAndStopsItWithEveryNameBack) {
    dialogs.answers.push_back(false); // "Stop the pass"
    click(Control::allComponentsOption);
    type(Control::startBox, "5");
    HWND end = control(Control::endButton);
    ::PostMessageW(window().handle(), WM_COMMAND,
                   MAKEWPARAM(win::controlId(Control::endButton), BN_CLICKED),
                   reinterpret_cast<LPARAM>(end));
    click(Control::runButton);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_FALSE(endedWith);
    EXPECT_TRUE(::IsWindowEnabled(control(Control::runButton)));
    EXPECT_NE(win::windowText(control(Control::accountLine)).find("Nothing changed"),
              std::string::npos);
    EXPECT_EQ(namesInTheSimulator(), (std::vector<std::string>{"R1", "C1", "U1", "R2"}));
}

TEST_F(WindowTest, LastPassReportRestoresTheMinimisedReport) {
    window().report().show();
    ::ShowWindow(window().report().handle(), SW_MINIMIZE);
    choose(ui::MenuItem::reportItem);
    EXPECT_TRUE(window().report().visible());
    EXPECT_FALSE(::IsIconic(window().report().handle()));
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
