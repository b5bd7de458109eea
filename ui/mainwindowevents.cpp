#include "mainwindowevents.h"

#include <utility>

namespace sequate::ui {

bool greyedDuringPass(MenuItem item) {
    return item == MenuItem::previewItem || item == MenuItem::putBackItem;
}

std::optional<Message> helpPageProblem(const std::string& page, bool exists, bool opened) {
    if (!exists)
        return helpPageMissing(page);
    if (!opened)
        return helpPageNotOpened(page);
    return std::nullopt;
}

bool MainWindowEvents::keyPressed(WindowKey key, bool defaultButtonEnabled) {
    switch (key) {
    case WindowKey::Enter:
        if (defaultButtonEnabled)
            mLogic.run();
        return true;
    case WindowKey::Escape:
        mLogic.escape();
        return true;
    case WindowKey::End:
        if (!mLogic.passRunning())
            return false;
        mLogic.escape();
        return true;
    }
    return false;
}

bool MainWindowEvents::closeAsked() {
    return mEnded || mLogic.end();
}

bool MainWindowEvents::programEnds() {
    return !std::exchange(mEnded, true);
}

} // namespace sequate::ui
