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
        {{}, "oo-----o-="},
        {{C::allComponentsOption, C::allComponentsOption}, "xo--oooo-="},
        {{C::selectedComponentsOption}, "oxxooooo-="},
        {{C::selectedComponentsOption, C::renameDuplicatesOption}, "oxoxoooo-="},
        {{C::selectedComponentsOption, C::renameDuplicatesOption, C::allComponentsOption},
         "xo--oooo-="},
        {{C::sendEcoBox}, "oo-----xox"},
        {{C::sendEcoBox, C::writeOnlyOption, C::sendEcoBox, C::forceReadOption}, "oo-----o=-"},
        {{C::allComponentsOption, C::optionsFrame}, "oo--oooo-="},
        {{C::selectedComponentsOption, C::optionsFrame}, "oxxooooo-="},
    };
    for (const auto& c : cases) {
        const OptionPanel options = clicked(c.clicks);
        std::string state;
        for (Control control :
             {C::allComponentsOption, C::selectedComponentsOption, C::assignNextFreeOption,
              C::renameDuplicatesOption, C::startBox, C::orderBox, C::leaveAloneBox, C::sendEcoBox,
              C::writeOnlyOption, C::forceReadOption}) {
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
            EXPECT_EQ(asked.refusedBox,
                      c.clicks.empty() ? std::nullopt : std::optional(C::startBox));
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

// The order and the components left alone go with the request; an entry that is not a pattern
// is refused under the box's own name, once the start reads.
TEST(PassRequest, TakesTheOrderAndTheComponentsLeftAloneOrRefusesThemInTheirBox) {
    OptionPanel options = clicked({C::selectedComponentsOption});
    options.setStartText("1");
    options.setOrder(engine::WalkOrder::DownThenAcross);
    options.setLeaveAloneText(placeholderText(C::leaveAloneBox));
    RequestOrRefusal asked = choosePass(options);
    ASSERT_TRUE(asked.request);
    EXPECT_EQ(asked.request->order, engine::WalkOrder::DownThenAcross);
    EXPECT_EQ(asked.request->leaveAlone.entries,
              (std::vector<std::string>{"J*", "TP*", "MH*", "U1"}));

    options.setLeaveAloneText("TP*, 1x*");
    asked = choosePass(options);
    ASSERT_TRUE(asked.refusal);
    EXPECT_EQ(asked.refusal->title, "Leave alone");
    EXPECT_EQ(asked.refusal->text.rfind("\"1x*\" in Leave alone", 0), 0u);
    EXPECT_EQ(asked.refusedBox, C::leaveAloneBox);
    options.setStartText("0");
    EXPECT_EQ(choosePass(options).refusedBox, C::startBox);
}

// The first entry names the old program's order for the scope chosen.
TEST(OptionPanel, OrderEntriesFollowTheScope) {
    EXPECT_STREQ(walkOrderEntries({})[0], "As PowerLogic lists them");
    EXPECT_STREQ(walkOrderEntries(engine::PassScope::AllComponents)[0], "As PowerLogic lists them");
    EXPECT_STREQ(walkOrderEntries(engine::PassScope::SelectedComponents)[0], "By position");
    EXPECT_STREQ(walkOrderEntries({})[1], "Across, then down");
    EXPECT_STREQ(walkOrderEntries({})[2], "Down, then across");
}

} // namespace
} // namespace sequate::ui
