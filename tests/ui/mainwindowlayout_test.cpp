// The main window's layout table: the Tab order, the access keys, and every control inside the
// container it is placed in.

#include "ui/listwindows.h"
#include "ui/mainwindowlayout.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace sequate::ui {
namespace {

std::vector<std::string> objectNames(std::span<const Control> controls) {
    std::vector<std::string> names;
    for (Control control : controls)
        names.push_back(placeOf(control).objectName);
    return names;
}

struct Point {
    int left, top;
};

Point absolute(Control control) {
    const ControlPlace& place = placeOf(control);
    Point point{place.left, place.top};
    if (place.container) {
        const Point outer = absolute(*place.container);
        point = {point.left + outer.left, point.top + outer.top};
    }
    return point;
}

// Tab goes down the column on the left, down the ECO options on the right, then along the rows
// below the frames (390 twips, a button's height, apart), each left to right: top left to bottom
// right as the eye reads the window. A pass greys all it visits but End.
TEST(MainWindowLayout, TabFollowsTheLayout) {
    std::vector<Control> focusable;
    for (const ControlPlace& place : mainWindowControls())
        if (place.kind == ControlKind::Option || place.kind == ControlKind::CheckBox ||
            place.kind == ControlKind::TextBox || place.kind == ControlKind::ComboBox ||
            place.kind == ControlKind::Button)
            focusable.push_back(place.control);
    const int belowFrames = absolute(Control::sendFrame).top + placeOf(Control::sendFrame).height;
    const int rightColumn = absolute(Control::sendFrame).left;
    const auto key = [&](Control control) {
        const Point at = absolute(control);
        const bool below = at.top >= belowFrames;
        return std::tuple(below, below ? 0 : at.left >= rightColumn, below ? at.top / 390 : at.top,
                          at.left);
    };
    std::stable_sort(focusable.begin(), focusable.end(),
                     [&](Control a, Control b) { return key(a) < key(b); });
    EXPECT_EQ(objectNames(mainWindowTabOrder()), objectNames(focusable));
    for (Control control : mainWindowTabOrder())
        EXPECT_EQ(greyedDuringPass(placeOf(control)), control != Control::endButton);
}

char accessKey(const std::string& caption) {
    const std::size_t at = caption.find('&');
    return at == std::string::npos ? 0 : static_cast<char>(std::tolower(caption.at(at + 1)));
}

// Alt and a letter reach every control with a caption and each menu of the menu bar, no two
// alike, and each puts the keyboard on a control Tab visits.
TEST(MainWindowLayout, AccessKeysAreUniqueAndReachAControlTabVisits) {
    std::vector<std::string> captions;
    const std::span<const Control> tabs = mainWindowTabOrder();
    for (const ControlPlace& place : mainWindowControls())
        if (*place.caption && place.kind != ControlKind::CaptionFrame) {
            captions.push_back(place.caption);
            EXPECT_NE(std::find(tabs.begin(), tabs.end(), accessKeyTarget(place.control)),
                      tabs.end())
                << place.objectName;
        }
    for (const MenuPlace& place : mainWindowMenus())
        if (!place.menu)
            captions.push_back(place.caption);
    std::set<char> keys;
    for (const std::string& caption : captions) {
        EXPECT_NE(accessKey(caption), 0) << caption;
        EXPECT_TRUE(keys.insert(accessKey(caption)).second) << caption;
    }

    for (const auto& buttons :
         {std::vector<Labelled>{reportWindow::copy, reportWindow::saveCsv, reportWindow::close},
          std::vector<Labelled>{previewWindow::saveEco, previewWindow::saveCsv,
                                previewWindow::apply, previewWindow::close}}) {
        std::set<char> windowKeys;
        for (const Labelled& button : buttons)
            EXPECT_TRUE(windowKeys.insert(accessKey(button.caption)).second) << button.caption;
    }
}

TEST(MainWindowLayout, EveryControlLiesInsideItsContainer) {
    std::vector<Control> made;
    for (const ControlPlace& place : mainWindowControls()) {
        int width = mainClientWidth;
        int height = mainClientHeight;
        if (place.container) {
            EXPECT_NE(std::find(made.begin(), made.end(), *place.container), made.end())
                << place.objectName << " comes before its container";
            width = placeOf(*place.container).width;
            height = placeOf(*place.container).height;
        }
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.left + place.width <= width &&
                    place.top + place.height <= height)
            << place.objectName;
        made.push_back(place.control);
    }
    EXPECT_EQ(made.size(), controlCount);
}

} // namespace
} // namespace sequate::ui
