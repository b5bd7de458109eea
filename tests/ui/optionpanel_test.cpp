// The options of a pass: what a click on each does to the others, the one rule for the start
// box, and the choice Run and Preview take from them.

#include "ui/passchoice.h"

#include <gtest/gtest.h>
#include <vector>

namespace sequate::ui {
namespace {

using C = Control;

OptionPanel clicked(const std::vector<Control>& clicks) {
    OptionPanel options;
    for (Control control : clicks)
        control == C::optionsFrame ? options.clearAllComponents() : options.click(control);
    return options;
}

// One letter per control: 'o' can be chosen, 'x' chosen, '-' greyed, '=' greyed but chosen.
// A click on the options frame stands for another document opened in PowerLogic.
TEST(OptionPanel, ClicksEnableGreyAndClearTheOthers) {
    const struct {
        std::vector<Control> clicks;
        const char* state;
    } cases[] = {
        {{}, "oo---o-="},
        {{C::allComponentsOption, C::allComponentsOption}, "xo--oo-="},
        {{C::selectedComponentsOption}, "oxxooo-="},
        {{C::selectedComponentsOption, C::renameDuplicatesOption}, "oxoxoo-="},
        {{C::selectedComponentsOption, C::renameDuplicatesOption, C::allComponentsOption},
         "xo--oo-="},
        {{C::sendEcoBox}, "oo---xox"},
        {{C::sendEcoBox, C::writeOnlyOption, C::sendEcoBox, C::forceReadOption}, "oo---o=-"},
        {{C::allComponentsOption, C::optionsFrame}, "oo--oo-="},
        {{C::selectedComponentsOption, C::optionsFrame}, "oxxooo-="},
    };
    for (const auto& c : cases) {
        const OptionPanel options = clicked(c.clicks);
        std::string state;
        for (Control control : {C::allComponentsOption, C::selectedComponentsOption,
                                C::assignNextFreeOption, C::renameDuplicatesOption, C::startBox,
                                C::sendEcoBox, C::writeOnlyOption, C::forceReadOption}) {
            const bool chosen = options.chosen(control);
            state += options.enabled(control) ? (chosen ? 'x' : 'o') : (chosen ? '=' : '-');
        }
        EXPECT_EQ(state, c.state) << "after " << c.clicks.size() << " clicks";
    }
}

TEST(PassRequest, TakenOnceFromTheOptionsOrRefusedWithTheModesWords) {
    using engine::PassScope;
    using engine::TakenNamePolicy;
    const struct {
        std::vector<Control> clicks;
        const char* start;
        const char* refusal; // empty: a choice
        PassScope scope;
        TakenNamePolicy policy;
        engine::EcoDestination eco;
    } cases[] = {
        {{},
         "1",
         "Choose Sequate all components or Sequate selected components, then press Run.",
         {},
         {},
         {}},
        {{C::allComponentsOption}, "", "Illegal Value", {}, {}, {}},
        {{C::selectedComponentsOption}, "0", "Illegal value in Start textbox", {}, {}, {}},
        {{C::allComponentsOption, C::sendEcoBox},
         "12",
         "",
         PassScope::AllComponents,
         TakenNamePolicy::None,
         engine::EcoDestination::PowerPcb},
        {{C::selectedComponentsOption, C::renameDuplicatesOption, C::sendEcoBox,
          C::writeOnlyOption},
         "7",
         "",
         PassScope::SelectedComponents,
         TakenNamePolicy::RenameDuplicates,
         engine::EcoDestination::ChosenFile},
        {{C::selectedComponentsOption},
         "3",
         "",
         PassScope::SelectedComponents,
         TakenNamePolicy::AssignNextFree,
         {}},
    };
    for (const auto& c : cases) {
        OptionPanel options = clicked(c.clicks);
        options.setStartText(c.start);
        const RequestOrRefusal asked = choosePass(options);
        if (*c.refusal) {
            EXPECT_EQ(asked.refusal,
                      (Message{MessageKind::Refusal, c.clicks.empty() ? "Sequate" : "Error Message",
                               c.clicks.empty() ? std::string(c.refusal)
                                                : std::string(c.refusal) +
                                                      "\nType a whole number from 1 to 32767."}));
            EXPECT_FALSE(asked.request);
        } else {
            ASSERT_TRUE(asked.request && !asked.refusal) << c.start;
            EXPECT_EQ(asked.request->scope, c.scope);
            EXPECT_EQ(asked.request->policy, c.policy);
            EXPECT_EQ(asked.request->start, std::atoi(c.start));
            EXPECT_EQ(asked.request->eco, c.eco);
        }
    }
    EXPECT_EQ(choosePass({}, PassButton::Preview).refusal->text,
              "Choose Sequate all components or Sequate selected components, then choose Pass > "
              "Preview.");
}

} // namespace
} // namespace sequate::ui
