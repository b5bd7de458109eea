#include "nativedialogs.h"

#include "filefilter.h"
#include "widetext.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace sequate::win {

namespace {
constexpr int defaultAnswerButton = 100;
constexpr int otherAnswerButton = 101;

UINT iconOf(ui::MessageKind kind) {
    switch (kind) {
    case ui::MessageKind::Failure:
        return MB_ICONERROR;
    case ui::MessageKind::Refusal:
        return MB_ICONWARNING;
    case ui::MessageKind::Information:
        break;
    }
    return MB_ICONINFORMATION;
}

} // namespace

void NativeDialogs::showMessage(HWND owner, const ui::Message& message) {
    ::MessageBoxW(owner, wide(message.text).c_str(), wide(message.title).c_str(),
                  MB_OK | iconOf(message.kind));
}

bool NativeDialogs::ask(HWND owner, const ui::Question& question) {
    const std::wstring title = wide(question.title);
    const std::wstring text = wide(question.text);
    const std::wstring defaultAnswer = wide(question.defaultAnswer);
    const std::wstring otherAnswer = wide(question.otherAnswer);
    const TASKDIALOG_BUTTON buttons[] = {{defaultAnswerButton, defaultAnswer.c_str()},
                                         {otherAnswerButton, otherAnswer.c_str()}};
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    // Escape closes the box as Cancel would; the question says which answer that is.
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = title.c_str();
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszContent = text.c_str();
    config.cButtons = 2;
    config.pButtons = buttons;
    config.nDefaultButton = defaultAnswerButton;
    int pressed = 0;
    if (FAILED(::TaskDialogIndirect(&config, &pressed, nullptr, nullptr)))
        return true; // no box could be shown: the safe answer
    if (pressed == IDCANCEL)
        return question.escapeGivesDefault;
    return pressed == defaultAnswerButton;
}

std::optional<std::string> NativeDialogs::chooseSaveFile(HWND owner, const std::string& filter,
                                                         const std::string& caption,
                                                         const std::string& suggestedName) {
    const std::wstring nativeFilterText = nativeFilter(filter);
    const std::wstring title = wide(caption);
    wchar_t path[32768] = L"";
    // No lpstrInitialDir: the system's choice of folder, as for a file with no name offered.
    wide(suggestedName).copy(path, std::size(path) - 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = nativeFilterText.c_str();
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(std::size(path));
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // No lpstrDefExt: the name is used as typed, as the old program's dialog did.
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!::GetSaveFileNameW(&dialog) || path[0] == L'\0')
        return std::nullopt;
    return narrow(path);
}

bool NativeDialogs::open(HWND owner, const std::string& target) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(owner, nullptr, wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

} // namespace sequate::win
