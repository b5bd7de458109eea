#include "engine/coordinatetext.h"

#include <gtest/gtest.h>

namespace sequate::engine {
namespace {

TEST(CoordinateText, PlainDecimalWithFifteenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1500, "1500"},
        {1500.5, "1500.5"},
        {-3.25, "-3.25"},
        {0, "0"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {100.2, "100.2"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-2.0 / 3, "-0.666666666666667"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        {1.5e-7, "0.00000015"},
        {999999999999999.9, "1000000000000000"},
        {0.000123456789012345678, "0.000123456789012346"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(coordinateText(c.value), c.text) << c.value;
}

TEST(CoordinateText, NumericKeyRoundsHalvesToEven) {
    const struct {
        const char* text;
        double key;
    } cases[] = {
        {"100.5", 100}, {"101.5", 102}, {"100.4", 100}, {"100.6", 101},     {"-0.5", 0},
        {"-1.5", -2},   {"2.5", 2},     {"-7", -7},     {"40000.5", 40000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericKey(c.text), c.key) << c.text;
}

} // namespace
} // namespace sequate::engine
