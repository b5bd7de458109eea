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

// A request carries what the options say; a refusal is worded by its box, the start box's words
// differing between the two scopes, and sends the keyboard to the box to retype.
TEST(PassRequest, TakenOnceFromTheOptionsOrRefusedInTheBoxesWords) {
    using engine::PassScope;
    using engine::TakenNamePolicy;
    OptionPanel options = clicked({C::selectedComponentsOption, C::renameDuplicatesOption,
                                   C::sendEcoBox, C::writeOnlyOption});
    options.setStartText(" 7");
    options.setOrder(engine::WalkOrder::DownThenAcross);
    options.setLeaveAloneText(placeholderText(C::leaveAloneBox));
    const PassRequest request = choosePass(options).request.value();
    EXPECT_EQ(request.scope, PassScope::SelectedComponents);
    EXPECT_EQ(request.policy, TakenNamePolicy::RenameDuplicates);
    EXPECT_EQ(request.start.value(), 7);
    EXPECT_EQ(request.eco, engine::EcoDestination::ChosenFile);
    EXPECT_EQ(request.order, engine::WalkOrder::DownThenAcross);
    EXPECT_EQ(request.leaveAlone.entries, (std::vector<std::string>{"J*", "TP*", "MH*", "U1"}));
    EXPECT_EQ(choosePass(clicked({C::allComponentsOption})).request->policy, TakenNamePolicy::None);

    const std::string retype = "\nType a whole number from 1 to 32767.";
    const struct {
        std::vector<Control> clicks;
        const char* start;
        const char* leaveAlone;
        PassButton pressed;
        Message message;
        std::optional<Control> box;
    } cases[] = {
        {{},
         "1",
         "",
         PassButton::Run,
         {MessageKind::Refusal, "Sequate",
          "Choose Sequate all components or Sequate selected components, then press Run."},
         {}},
        {{},
         "1",
         "",
         PassButton::Preview,
         {MessageKind::Refusal, "Sequate",
          "Choose Sequate all components or Sequate selected components, then choose Pass > "
          "Preview."},
         {}},
        {{C::allComponentsOption},
         "",
         "",
         PassButton::Run,
         {MessageKind::Refusal, "Error Message", "Illegal Value" + retype},
         C::startBox},
        {{C::selectedComponentsOption},
         "0",
         "1x*",
         PassButton::Run,
         {MessageKind::Refusal, "Error Message", "Illegal value in Start textbox" + retype},
         C::startBox},
        {{C::selectedComponentsOption},
         "1",
         "TP*, 1x*",
         PassButton::Run,
         {MessageKind::Refusal, "Leave alone",
          "\"1x*\" in Leave alone is neither a part name "
          "nor a letter code followed by * (such as TP*). Letter codes are the capital letters A "
          "to Z that begin a part name."},
         C::leaveAloneBox},
        {{C::selectedComponentsOption},
         "1",
         "J*, U\x7F",
         PassButton::Run,
         leaveAloneRefusal("\"U\x7F\" in Leave alone is neither a part name nor a letter code "
                           "followed by * (such as TP*). Letter codes are the capital letters A "
                           "to Z that begin a part name."),
         C::leaveAloneBox},
        {{C::selectedComponentsOption},
         "1",
         "TP*, *",
         PassButton::Run,
         leaveAloneRefusal("\"*\" in Leave alone is neither a part name nor a letter code "
                           "followed by * (such as TP*). Letter codes are the capital letters A "
                           "to Z that begin a part name."),
         C::leaveAloneBox},
    };
    for (const auto& c : cases) {
        options = clicked(c.clicks);
        options.setStartText(c.start);
        options.setLeaveAloneText(c.leaveAlone);
        const RequestOrRefusal asked = choosePass(options);
        ASSERT_FALSE(asked.request) << c.message.text;
        EXPECT_EQ(refusalMessage(asked.refusal.value(), c.pressed), c.message);
        EXPECT_EQ(boxToRetype(*asked.refusal), c.box);
    }
}

// The first entry names the old program's order for the scope chosen.
TEST(OptionPanel, OrderEntriesFollowTheScope) {
    EXPECT_STREQ(walkOrderEntries({})[0], "As PowerLogic lists them");
    EXPECT_STREQ(walkOrderEntries(engine::PassScope::AllComponents)[0], "As PowerLogic lists them");
    EXPECT_STREQ(walkOrderEntries(engine::PassScope::SelectedComponents)[0], "By position");
}

} // namespace
} // namespace sequate::ui
