#pragma once

// The about box's window and controls as any view places them, in twips, without a toolkit: the
// Qt box on Linux and the Win32 one on Windows.

namespace sequate::about {

struct AboutPlace {
    int left, top, width, height;
};

inline constexpr int aboutClientWidth = 4500;
inline constexpr int aboutClientHeight = 2040;
inline constexpr AboutPlace titlePlace{180, 180, 3945, 375};     // Label2: name and version
inline constexpr AboutPlace noticePlace{210, 630, 3885, 435};    // Label1: the maker
inline constexpr AboutPlace addressPlace{1080, 1200, 2085, 165}; // lblAddress
inline constexpr AboutPlace closePlace{3570, 1440, 885, 555};    // cmdClose
inline constexpr const char* closeCaption = "&Close";

} // namespace sequate::about
