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
// As large as Run and End in the main window (the old program's was 885 by 555 twips, which
// looked swollen beside them), at the bottom right.
inline constexpr AboutPlace closePlace{3060, 1575, 1350, 390}; // cmdClose
inline constexpr const char* closeCaption = "&Close";

} // namespace sequate::about
