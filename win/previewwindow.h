#pragma once

// Pass > Preview: what Run would do, with Apply and Close. While it shows, the main window
// waits: the plan holds only while the options stay as they are.

#include "namelistwindow.h"
#include "ui/passtexts.h"

#include <functional>

namespace sequate::win {

class PreviewWindow : public NameListWindow {
public:
    PreviewWindow(HWND owner, std::function<void()> applyClicked);

    void showPreview(const ui::PreviewText& preview);
    void close();

protected:
    void clicked(HWND button) override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND mOwner;
    std::function<void()> mApplyClicked;
    HWND mCodes;
    HWND mApply;
    HWND mClose;
};

} // namespace sequate::win
