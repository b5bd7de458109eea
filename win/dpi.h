#pragma once

// Twips to pixels through the dots per inch of the monitor a window is on, and the dialog font
// at that size. The manifest makes the program aware of each monitor's own setting.

#include <windows.h>

namespace sequate::win {

UINT dpiOf(HWND window);
int twipsToPixels(int twips, UINT dpi);
RECT twipsRect(int left, int top, int width, int height, UINT dpi);

// The system's message font at the given dpi, and a fixed-pitch one of the same height; the
// caller deletes them.
HFONT messageFont(UINT dpi, int percent = 100, bool bold = false);
HFONT fixedFont(UINT dpi);

// The height in pixels that the control's text takes in its font, wrapped at width pixels as a
// static control with SS_EDITCONTROL wraps it.
int wrappedTextHeight(HWND control, int width);
// The width in pixels of the control's caption on one line, '&' marking an access key.
int captionWidth(HWND control);

// The window's client area holds width by height pixels; the frame and the menu bar come on top.
void setClientSize(HWND window, int width, int height);

} // namespace sequate::win
