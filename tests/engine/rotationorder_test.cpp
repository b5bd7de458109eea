// The ordering of one run is defined by the rotation sort. Its literal form is kept here as
// the reference; the fast one must give the same order on every run.

#include "engine/coordinatetext.h"
#include "engine/rotationorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace sequate::engine {
namespace {

// The reference, step by step: at position a, scan b from 0; when the row at a must move
// behind the row at a+b, rotate the row at a to the end of the run and start the scan again.
std::vector<SortedRow> literalRotationSort(std::vector<SortedRow> rows) {
    const auto key = [](const SortedRow& row) { return std::nearbyint(std::stod(row.first)); };
    const auto mustMoveBehind = [&](const SortedRow& p, const SortedRow& q) {
        return key(p) > key(q) || (p.first == q.first && p.second < q.second);
    };
    const int n = static_cast<int>(rows.size());
    for (int a = 0; a <= n - 1; ++a) {
        int b = 0;
        while (b <= n - 1) {
            if (a + b <= n - 1 && mustMoveBehind(rows[a], rows[a + b])) {
                const SortedRow held = rows[a];
                for (int c = a; c <= n - 2; ++c)
                    rows[c] = rows[c + 1];
                rows[n - 1] = held;
                b = 0;
            }
            ++b;
        }
    }
    return rows;
}

// The reference's order as positions into the run, as rotationOrder gives it.
std::vector<std::size_t> literalOrder(const std::vector<SortedRow>& run) {
    std::vector<std::size_t> order;
    for (const SortedRow& row : literalRotationSort(run))
        order.push_back(std::stoul(row.name.substr(1)));
    return order;
}

std::vector<SortedRow> rows(std::initializer_list<std::pair<const char*, const char*>> texts) {
    std::vector<SortedRow> result;
    for (const auto& [first, second] : texts)
        result.push_back({"P" + std::to_string(result.size()), first, second});
    return result;
}

TEST(RotationOrder, KnownRuns) {
    const struct {
        std::vector<SortedRow> run;
        std::vector<std::size_t> expected;
    } cases[] = {
        {rows({}), {}},
        {rows({{"5", "5"}}), {0}},
        {rows({{"300", "0"}, {"200", "0"}}), {1, 0}},
        // Equal first texts: the greater second text first, compared as text.
        {rows({{"300", "1000"}, {"300", "900"}}), {1, 0}},
        {rows({{"300", "-5"}, {"300", "10"}}), {1, 0}},
        // Equal keys, different texts: in neither relation, the order stays.
        {rows({{"100.2", "0"}, {"100.4", "0"}}), {0, 1}},
        {rows({{"100.4", "0"}, {"100.2", "0"}}), {0, 1}},
        // The worked example: B now stands before A.
        {rows({{"100.4", "0"}, {"50", "0"}, {"100.2", "0"}}), {1, 2, 0}},
        {rows({{"7", "1"}, {"7", "1"}}), {0, 1}},
        {rows({{"-1.5", "0"}, {"-2", "0"}, {"-2.5", "0"}}), {0, 1, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rotationOrder(c.run), c.expected);
        EXPECT_EQ(literalOrder(c.run), c.expected);
    }
}

// Few distinct values, so that ties, equal texts and rows in neither relation are common.
std::vector<SortedRow> generatedRun(std::mt19937& random, int length) {
    static const double firsts[] = {100.2, 100.4, 100.5, 99.5,      101.5,
                                    100,   50,    -0.5,  -1.5,      0.5,
                                    2.5,   -7,    1e-5,  123456.75, 100.49999999999999};
    static const double seconds[] = {900, 1000, -5, 0, 12.5, 7, 70, -0.25};
    std::uniform_int_distribution<std::size_t> pickFirst(0, std::size(firsts) - 1);
    std::uniform_int_distribution<std::size_t> pickSecond(0, std::size(seconds) - 1);
    std::vector<SortedRow> run;
    for (int i = 0; i < length; ++i)
        run.push_back({"P" + std::to_string(i), coordinateText(firsts[pickFirst(random)]),
                       coordinateText(seconds[pickSecond(random)])});
    return run;
}

TEST(RotationOrder, EqualsTheLiteralSortOnGeneratedRuns) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        const int length = std::uniform_int_distribution<int>(0, seed % 10 == 0 ? 120 : 25)(random);
        const std::vector<SortedRow> run = generatedRun(random, length);
        ASSERT_EQ(rotationOrder(run), literalOrder(run)) << "seed " << seed;
    }
}

} // namespace
} // namespace sequate::engine
