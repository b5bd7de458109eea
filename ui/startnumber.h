#pragma once

// The one rule for the start box: the number that every pass's first name of a letter code
// gets.

#include <cstdint>
#include <optional>
#include <string>

namespace sequate::ui {

// The start box's number when its text is a whole number from 1 to 32767, blanks and tabs
// around it allowed. Old program: CheckTextBox, which answered true when the text was NOT
// acceptable and took 0 away only.
std::optional<std::int16_t> startNumberOf(const std::string& text);

} // namespace sequate::ui
