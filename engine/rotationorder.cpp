#include "rotationorder.h"

#include "coordinatetext.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace sequate::engine {

namespace {

// Rows of one first-coordinate text, by descending second-coordinate text; rows with equal
// texts form one tier and become eligible together.
struct TextGroup {
    std::vector<std::vector<std::size_t>> tiers;
    std::size_t tier = 0;
    std::size_t leftInTier = 0;
};

std::vector<TextGroup> textGroups(const std::vector<SortedRow>& run,
                                  const std::vector<std::size_t>& rows,
                                  std::vector<std::size_t>& groupOf) {
    std::map<std::string, std::vector<std::size_t>> byText;
    for (std::size_t row : rows)
        byText[run[row].first].push_back(row);
    std::vector<TextGroup> groups;
    for (auto& [text, members] : byText) {
        std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
            return run[b].second < run[a].second;
        });
        TextGroup group;
        for (std::size_t row : members) {
            if (group.tiers.empty() || run[group.tiers.back().front()].second != run[row].second)
                group.tiers.emplace_back();
            group.tiers.back().push_back(row);
            groupOf[row] = groups.size();
        }
        group.leftInTier = group.tiers.front().size();
        groups.push_back(std::move(group));
    }
    return groups;
}

// Places the rows of one rounded first coordinate, starting the search at cursor.
void placeKeyGroup(const std::vector<SortedRow>& run, const std::vector<std::size_t>& rows,
                   std::vector<std::size_t>& groupOf, std::size_t& cursor,
                   std::vector<std::size_t>& order) {
    std::vector<TextGroup> groups = textGroups(run, rows, groupOf);
    std::set<std::size_t> eligible;
    for (const TextGroup& group : groups)
        eligible.insert(group.tiers.front().begin(), group.tiers.front().end());

    while (!eligible.empty()) {
        auto next = eligible.lower_bound(cursor);
        if (next == eligible.end())
            next = eligible.begin();
        const std::size_t row = *next;
        eligible.erase(next);
        order.push_back(row);
        cursor = row + 1;

        TextGroup& group = groups[groupOf[row]];
        if (--group.leftInTier == 0 && ++group.tier < group.tiers.size()) {
            const auto& tier = group.tiers[group.tier];
            eligible.insert(tier.begin(), tier.end());
            group.leftInTier = tier.size();
        }
    }
}

} // namespace

std::vector<std::size_t> rotationOrder(const std::vector<SortedRow>& run) {
    std::map<double, std::vector<std::size_t>> byKey;
    for (std::size_t row = 0; row < run.size(); ++row)
        byKey[numericKey(run[row].first)].push_back(row);

    std::vector<std::size_t> order;
    order.reserve(run.size());
    std::vector<std::size_t> groupOf(run.size());
    std::size_t cursor = 0;
    for (const auto& [key, rows] : byKey)
        placeKeyGroup(run, rows, groupOf, cursor, order);
    return order;
}

} // namespace sequate::engine
