// What the simulators' windows show of the simulated PowerLogic, whatever draws it.

#include "host/sim/editorview.h"

#include <gtest/gtest.h>

using namespace sequate::host::sim;

TEST(EditorView, ListsTheOpenDocumentsComponentsWithTheirPlacesAndSelection) {
    SimPowerLogic logic(
        {{"amp.sch",
          {{"R1", false, {{0, 0}}}, {"U1", true, {{0, 1000}, {500.5, -2.25}}}, {"J1", true, {}}}},
         {"", {}}});
    EXPECT_EQ(componentLines(logic), (std::vector<ComponentLine>{
                                         {"R1", "(0, 0)"},
                                         {"U1", "(0, 1000) (500.5, -2.25)"},
                                         {"J1", "not placed"},
                                     }));
    EXPECT_EQ(selectedComponents(logic), (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(windowTitle(logic), "Simulated PowerLogic and PowerPCB - amp.sch (3 components)");
    logic.openDocument(1);
    EXPECT_EQ(statusLine(logic), "PowerLogic: (unsaved document 2) (0 components)");
    logic.closeDocument();
    EXPECT_EQ(componentLines(logic), std::vector<ComponentLine>{});
    EXPECT_EQ(selectedComponents(logic), std::vector<std::size_t>{});
    EXPECT_EQ(windowTitle(logic), "Simulated PowerLogic and PowerPCB - no document");
}
