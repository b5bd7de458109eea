#include "screenshottour.h"

#include "mainwindow.h"
#include "widetext.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace sequate::win {

namespace {

// Long enough for Wine or a window manager to draw a newly shown window.
constexpr UINT settleMs = 1500;

// The window as the screen shows it, frame included, as a 24-bit BMP file. A window that never
// opened is left out, so that the missing file tells that the tour went wrong.
void save(const NativeWindow& window, const std::string& path) {
    if (!window.visible())
        return;
    RECT frame;
    ::GetWindowRect(window.handle(), &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height);
    void* pixels = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                        DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    ::GdiFlush();
    const BITMAPFILEHEADER file{
        0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + header.biSizeImage),
        0, 0, sizeof(BITMAPFILEHEADER) + sizeof header};
    if (FILE* out = _wfopen(wide(path).c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(pixels, header.biSizeImage, 1, out);
        std::fclose(out);
    }
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

void click(HWND button) {
    ::SendMessageW(button, BM_CLICK, 0, 0);
}

void choose(MainWindow& window, ui::MenuItem item) {
    ::SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(menuId(item), 0), 0);
}

// One step per timer tick, none while a pass runs: the pass lets the window's messages through,
// the timer's among them. A pass still running at a tick (a large schematic's) is taken once,
// with its account line saying how far it has got.
std::vector<std::function<void()>> steps;
MainWindow* touredWindow = nullptr;
std::string duringPassPicture;

void CALLBACK nextStep(HWND window, UINT, UINT_PTR timer, DWORD) {
    if (steps.empty()) {
        ::KillTimer(window, timer);
        return;
    }
    if (touredWindow->logic().passRunning()) {
        if (!duringPassPicture.empty())
            save(*touredWindow, duringPassPicture);
        duringPassPicture.clear();
        return;
    }
    const std::function<void()> step = steps.front();
    steps.erase(steps.begin());
    step();
}

} // namespace

void startScreenshotTour(MainWindow& window, const std::string& folder) {
    using ui::Control;
    touredWindow = &window;
    const auto at = [folder](const char* name) { return folder + "\\" + name; };
    duringPassPicture = at("main-window-during-pass.bmp");
    // As on Linux: the preview of a pass over every component without the ECO step, then the
    // main window with that pass's account, its report and the about box.
    steps = {
        [&window] {
            click(window.control(Control::allComponentsOption));
            setWindowText(window.control(Control::startBox), "1");
            choose(window, ui::MenuItem::previewItem);
        },
        [&window, at] {
            save(window.preview(), at("preview-window.bmp"));
            window.preview().close();
            click(window.control(Control::runButton));
        },
        [&window] { choose(window, ui::MenuItem::reportItem); },
        [&window, at] {
            save(window.report(), at("report-window.bmp"));
            // The picture is taken from the screen: the report stood over the main window.
            window.report().hide();
        },
        [&window, at] {
            ::RedrawWindow(window.handle(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW |
                               RDW_ALLCHILDREN);
            save(window, at("main-window.bmp"));
            choose(window, ui::MenuItem::aboutItem);
        },
        [&window, at] {
            if (window.about())
                save(*window.about(), at("about-box.bmp"));
            ::PostMessageW(window.handle(), WM_CLOSE, 0, 0);
        },
    };
    ::SetTimer(window.handle(), 1, settleMs, &nextStep);
}

} // namespace sequate::win
