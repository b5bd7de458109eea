// The options remembered between starts: what the window takes back, through the panel's own
// clicks, from what it wrote or from values that do not read; and where it opens again.

#include "ui/rememberedoptions.h"

#include <gtest/gtest.h>
#include <map>

namespace sequate::ui {
namespace {

using C = Control;

struct MemoryStore : SettingsStore {
    std::map<std::string, std::string> values;
    std::optional<std::string> read(const std::string& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void write(const std::string& key, const std::string& value) override { values[key] = value; }
};

// As in the panel's own test: 'o' can be chosen, 'x' chosen, '-' greyed, '=' greyed but chosen;
// then the start text, the order and the leave-alone text.
std::string state(const OptionPanel& options) {
    std::string shown;
    for (Control control : {C::allComponentsOption, C::selectedComponentsOption,
                            C::assignNextFreeOption, C::renameDuplicatesOption, C::startBox,
                            C::sendEcoBox, C::writeOnlyOption, C::forceReadOption}) {
        const bool chosen = options.chosen(control);
        shown += options.enabled(control) ? (chosen ? 'x' : 'o') : (chosen ? '=' : '-');
    }
    return shown + " " + options.startText() + " " +
           std::to_string(static_cast<int>(options.order())) + " " + options.leaveAloneText();
}

// The start state as start-up leaves it, then what was remembered.
OptionPanel startedWith(const SettingsStore& store) {
    OptionPanel options;
    options.setStartText("1");
    takeRememberedOptions(readRememberedOptions(store), options);
    return options;
}

TEST(RememberedOptions, TheNextStartTakesBackWhatWasChosenAndKeepsTheStartStateForTheRest) {
    const struct {
        std::vector<Control> clicks;
        std::map<std::string, std::string> typed; // then written; or, without clicks, stored
        const char* state;                        // at the next start
    } cases[] = {
        {{}, {}, "oo---o-= 1 0 "}, // the very first start
        {{C::selectedComponentsOption, C::renameDuplicatesOption, C::sendEcoBox,
          C::writeOnlyOption},
         {{"startText", "40"}, {"leaveAlone", "R1-R9"}},
         "oxoxoxxo 40 0 R1-R9"},
        // A pass over every component is chosen anew, as start-up clears it.
        {{C::allComponentsOption, C::sendEcoBox, C::writeOnlyOption, C::sendEcoBox},
         {{"startText", "x7"}},
         "oo--oo=- x7 0 "},
        {{},
         {{"scope", "selected"}, {"policy", "renameDuplicates"}, {"order", "downThenAcross"}},
         "oxoxoo-= 1 2 "},
        {{},
         {{"scope", "Selected"},
          {"policy", "?"},
          {"sendEco", "1"},
          {"ecoOption", "none"},
          {"order", "7"}},
         "oo---o-= 1 0 "},
        {{}, {{"scope", "selected"}, {"policy", "none"}, {"sendEco", "yes"}}, "oxxooxox 1 0 "},
    };
    for (const auto& c : cases) {
        MemoryStore store;
        store.values = c.typed;
        if (!c.clicks.empty()) {
            OptionPanel chosen;
            for (Control control : c.clicks)
                chosen.click(control);
            chosen.setStartText(c.typed.at("startText"));
            chosen.setLeaveAloneText(c.typed.contains("leaveAlone") ? c.typed.at("leaveAlone")
                                                                    : "");
            const RememberedOptions remembered = rememberedOptions(chosen, {-5, 7});
            writeRememberedOptions(remembered, store);
            EXPECT_EQ(readRememberedOptions(store), remembered);
        }
        EXPECT_EQ(state(startedWith(store)), c.state) << c.clicks.size() << " clicks";
    }
}

TEST(RememberedOptions, APlaceIsTakenBackOnlyWhereTheCaptionCanBeReached) {
    const std::vector<ScreenRect> screens{{0, 0, 1920, 1040}, {1920, -200, 1280, 1024}};
    const ScreenRect frame{0, 0, 400, 200};
    const struct {
        std::map<std::string, std::string> stored;
        std::optional<ScreenPoint> place;
    } cases[] = {
        {{}, std::nullopt},
        {{{"windowX", "100"}, {"windowY", "50"}}, ScreenPoint{100, 50}},
        {{{"windowX", "1700"}, {"windowY", "0"}}, ScreenPoint{1700, 0}}, // across both screens
        {{{"windowX", "1521"}, {"windowY", "-10"}}, std::nullopt},       // caption above the first
        {{{"windowX", "2800"}, {"windowY", "300"}}, ScreenPoint{2800, 300}}, // the last pixel
        {{{"windowX", "2801"}, {"windowY", "300"}}, std::nullopt},           // off the right
        {{{"windowX", "100"}, {"windowY", "1040"}}, std::nullopt},           // a screen gone below
        {{{"windowX", "100"}}, std::nullopt},
        {{{"windowX", "100"}, {"windowY", "5 "}}, std::nullopt},
        {{{"windowX", "99999999999"}, {"windowY", "5"}}, std::nullopt},
    };
    for (const auto& c : cases) {
        MemoryStore store;
        store.values = c.stored;
        EXPECT_EQ(placeOnScreens(readRememberedOptions(store).position, frame, screens), c.place)
            << (c.stored.empty() ? "" : c.stored.begin()->second);
    }
    // A place no window system gives is not read, and one near the end of int is no sum's.
    for (const auto& [far, reached] : std::map<std::string, bool>{{"32767", true},
                                                                  {"-32767", true},
                                                                  {"32768", false},
                                                                  {"-32768", false},
                                                                  {"2147483600", false}}) {
        MemoryStore store;
        store.values = {{"windowX", far}, {"windowY", "0"}};
        EXPECT_EQ(readRememberedOptions(store).position.has_value(), reached) << far;
        store.values = {{"windowX", "0"}, {"windowY", far}};
        EXPECT_EQ(readRememberedOptions(store).position.has_value(), reached) << far;
    }
    EXPECT_FALSE(placeOnScreens(ScreenPoint{2147483600, 0}, frame, screens));
}

} // namespace
} // namespace sequate::ui
