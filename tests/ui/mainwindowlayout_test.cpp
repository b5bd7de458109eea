// The main window's layout table: the old program's objectNames and Tab order, and every
// control inside the container it is placed in.

#include "ui/mainwindowlayout.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::ui {
namespace {

std::vector<std::string> objectNames(std::span<const Control> controls) {
    std::vector<std::string> names;
    for (Control control : controls)
        names.push_back(placeOf(control).objectName);
    return names;
}

TEST(MainWindowLayout, TabVisitsTheControlsInTheOldProgramsOrder) {
    EXPECT_EQ(
        objectNames(mainWindowTabOrder()),
        (std::vector<std::string>{"optStart", "txtStart", "cmdRun", "optSelected", "cmdEnd",
                                  "optAssign", "optDuplicate", "optECO", "optDirect", "chkSend"}));
}

TEST(MainWindowLayout, EveryControlHasItsOldNameAndLiesInsideItsContainer) {
    std::vector<Control> all;
    for (std::size_t i = 0; i < controlCount; ++i)
        all.push_back(static_cast<Control>(i));
    EXPECT_EQ(objectNames(all),
              (std::vector<std::string>{"frmStart", "optStart", "optSelected", "frmMode",
                                        "optAssign", "optDuplicate", "lblStartFrom", "txtStart",
                                        "frmSend", "chkSend", "frmSendOptions", "optECO",
                                        "optDirect", "cmdRun", "cmdEnd", "prgbarEdistys"}));
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
