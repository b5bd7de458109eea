#include "widetext.h"

#include "host/utf8.h"

namespace sequate::win {

std::wstring wide(const std::string& text) {
    return host::wideFromUtf8(text);
}

std::string narrow(const std::wstring& text) {
    return host::utf8FromWide(text);
}

std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void setWindowText(HWND window, const std::string& text) {
    ::SetWindowTextW(window, wide(text).c_str());
}

} // namespace sequate::win
