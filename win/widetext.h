#pragma once

// The view's texts are UTF-8 like the rest of Sequate; Windows wants UTF-16.

#include <string>
#include <windows.h>

namespace sequate::win {

std::wstring wide(const std::string& text);
std::string narrow(const std::wstring& text);
std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& text);

} // namespace sequate::win
