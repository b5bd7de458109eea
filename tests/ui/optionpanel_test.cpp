// The options of a pass: what a click on each does to the others, the one rule for the start
// box, and the choice Run and Preview take from them.

#include "ui/passchoice.h"
#include "ui/startnumber.h"

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

TEST(StartNumber, OnlyWholeNumbersFromOneTo32767) {
    const struct {
        const char* text;
        int accepted; // 0: refused
    } cases[] = {
        {"", 0},    {" ", 0},   {"0", 0},           {"1", 1},     {"-5", 0}, {"abc", 0},
        {"12a", 0}, {"1.5", 0}, {"32767", 32767},   {"32768", 0}, {"+3", 0}, {" 7\t", 7},
        {"007", 7}, {"1 2", 0}, {"99999999999", 0}, {"000", 0},   {"9", 9},  {"10", 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startNumberOf(c.text).value_or(0), c.accepted) << '"' << c.text << '"';
}

TEST(PassChoice, TakenOnceFromTheOptionsOrRefusedWithTheModesWords) {
    using engine::PassScope;
    using engine::TakenNamePolicy;
    const struct {
        std::vector<Control> clicks;
        const char* start;
        const char* refusal; // empty: a choice, or nothing at all when no start option is chosen
        PassScope scope;
        TakenNamePolicy policy;
        std::optional<EcoTarget> eco;
    } cases[] = {
        {{}, "1", "", PassScope::AllComponents, TakenNamePolicy::None, {}},
        {{C::allComponentsOption}, "", "Illegal Value", {}, {}, {}},
        {{C::selectedComponentsOption}, "0", "Illegal value in Start textbox", {}, {}, {}},
        {{C::allComponentsOption, C::sendEcoBox},
         "12",
         "",
         PassScope::AllComponents,
         TakenNamePolicy::None,
         EcoTarget::ForceRead},
        {{C::selectedComponentsOption, C::renameDuplicatesOption, C::sendEcoBox,
          C::writeOnlyOption},
         "7",
         "",
         PassScope::SelectedComponents,
         TakenNamePolicy::RenameDuplicates,
         EcoTarget::WriteOnly},
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
        const ChoiceOrRefusal asked = choosePass(options);
        if (*c.refusal) {
            EXPECT_EQ(asked.refusal, (Message{MessageKind::Refusal, "Error Message", c.refusal}));
            EXPECT_FALSE(asked.choice);
        } else if (c.clicks.empty()) {
            EXPECT_FALSE(asked.choice || asked.refusal);
        } else {
            ASSERT_TRUE(asked.choice && !asked.refusal) << c.start;
            EXPECT_EQ(asked.choice->scope, c.scope);
            EXPECT_EQ(asked.choice->policy, c.policy);
            EXPECT_EQ(asked.choice->start, std::atoi(c.start));
            EXPECT_EQ(asked.choice->eco, c.eco);
        }
    }
}

} // namespace
} // namespace sequate::ui
