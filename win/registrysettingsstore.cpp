#include "registrysettingsstore.h"

#include "widetext.h"

#include <windows.h>

namespace sequate::win {

namespace {
constexpr const wchar_t* settingsKey = L"Software\\Sequate";
} // namespace

std::optional<std::string> RegistrySettingsStore::read(const std::string& key) const {
    const std::wstring name = wide(key);
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, settingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                       nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (::RegGetValueW(HKEY_CURRENT_USER, settingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                       value.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    // The size counts the closing null.
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0')
        value.pop_back();
    return narrow(value);
}

void RegistrySettingsStore::write(const std::string& key, const std::string& value) {
    HKEY settings = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, settingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &settings, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring text = wide(value);
    ::RegSetValueExW(settings, wide(key).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(settings);
}

} // namespace sequate::win
