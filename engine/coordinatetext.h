#pragma once

// Coordinates are kept as text, as PowerLogic's designers see them, and the ordering keys are
// taken from that text: plain decimal, at most 15 significant digits, no trailing zeros, "."
// as the decimal separator whatever the locale, "-" for negatives, never an exponent.

#include <string>

namespace sequate::engine {

// value must be finite.
std::string coordinateText(double value);

// The coordinate text's value rounded to a whole number, halves to the even neighbour. The
// result is a whole number held in a double, so it compares exactly however large it is.
double numericKey(const std::string& text);

} // namespace sequate::engine
