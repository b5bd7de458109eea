// The system's boxes as the Windows view shows them, answered from another thread while they
// are open: title, text and buttons, which answer is the default and what Escape gives, and the
// save dialog's filter with no extension added.

#include "win/nativedialogs.h"
#include "win/widetext.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace sequate;

namespace {

// The box this process shows, once it is on screen.
HWND openBox() {
    for (int tries = 0; tries < 200; ++tries) {
        HWND found = nullptr;
        ::EnumWindows(
            [](HWND window, LPARAM out) -> BOOL {
                DWORD process = 0;
                ::GetWindowThreadProcessId(window, &process);
                wchar_t name[16] = L"";
                ::GetClassNameW(window, name, 16);
                if (process != ::GetCurrentProcessId() || std::wstring(name) != L"#32770" ||
                    !::IsWindowVisible(window))
                    return TRUE;
                *reinterpret_cast<HWND*>(out) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found)
            return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

// Runs answer on the box the main thread opens, then makes sure the box goes.
template <class Answer>
std::jthread answering(Answer answer) {
    return std::jthread([answer] {
        HWND box = openBox();
        if (!box) {
            ADD_FAILURE() << "no box opened";
            return;
        }
        answer(box);
    });
}

std::string text(HWND box, int id) {
    return win::windowText(::GetDlgItem(box, id));
}

} // namespace

TEST(NativeDialogs, MessageBoxHasTheTitleTextAndOneOkButton) {
    win::NativeDialogs dialogs;
    auto answer = answering([](HWND box) {
        EXPECT_EQ(win::windowText(box), "Error Message");
        EXPECT_EQ(text(box, 0xFFFF), "Illegal Value");
        EXPECT_TRUE(::GetDlgItem(box, IDOK));
        EXPECT_FALSE(::GetDlgItem(box, IDCANCEL));
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    dialogs.showMessage(nullptr, {ui::MessageKind::Refusal, "Error Message", "Illegal Value"});
}

TEST(NativeDialogs, QuestionOffersBothAnswersWithTheSafeOneAsDefaultAndEscapeAsItSays) {
    win::NativeDialogs dialogs;
    for (const bool escapeGivesDefault : {true, false}) {
        const ui::Question question{"Sequate", "Put the names back?", "&Put back", "&Keep",
                                    escapeGivesDefault};
        auto answer = answering([](HWND box) {
            EXPECT_EQ(text(box, 100), "&Put back");
            EXPECT_EQ(text(box, 101), "&Keep");
            EXPECT_TRUE(::GetWindowLongPtrW(::GetDlgItem(box, 100), GWL_STYLE) & BS_DEFPUSHBUTTON);
            ::PostMessageW(box, WM_CLOSE, 0, 0); // cancelled, as Escape does
        });
        EXPECT_EQ(dialogs.ask(nullptr, question), escapeGivesDefault);
    }
}

TEST(NativeDialogs, SaveDialogShowsTheFilterAndAddsNoExtension) {
    win::NativeDialogs dialogs;
    const std::string typed = "Z:\\tmp\\sequate-dialog-test";
    auto answer = answering([typed](HWND box) {
        constexpr int fileTypes = 0x470; // cmb1, the file-type box
        constexpr int fileName = 0x47C;  // cmb13, the file name
        wchar_t first[64] = L"";
        ::SendDlgItemMessageW(box, fileTypes, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_EQ(win::narrow(first), "ECO files (*.eco) ");
        ::SetDlgItemTextW(box, fileName, win::wide(typed).c_str());
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialogs.chooseSaveFile(nullptr, "ECO files (*.eco) |*.eco|"), typed);
}
