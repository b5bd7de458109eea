#include "helppage.h"

#include "widetext.h"

namespace sequate::win {

std::string helpPagePath() {
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = ::GetModuleFileNameW(nullptr, program.data(),
                                          static_cast<DWORD>(program.size()))) == program.size())
        program.resize(program.size() * 2);
    program.resize(length);
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
    return narrow(folder + L"doc\\help.html");
}

bool helpPageExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace sequate::win
