#include "nameboard.h"

#include "partname.h"
#include "partnumber.h"
#include "passstop.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace sequate::engine {

namespace {

constexpr std::int32_t noKey = std::numeric_limits<std::int32_t>::min();
constexpr std::size_t none = static_cast<std::size_t>(-1);

// The number of a name that is exactly its code followed by a 16-bit number in decimal, as
// the planner writes names; none for any other spelling (R05, R+5, R5A).
std::optional<std::int32_t> plainNumber(const std::string& name, std::size_t codeLength) {
    const char* first = name.data() + codeLength;
    const char* last = name.data() + name.size();
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value < -32768 || value > 32767)
        return std::nullopt;
    if (std::to_string(value) != std::string_view(first, static_cast<std::size_t>(last - first)))
        return std::nullopt;
    return value;
}

} // namespace

NameBoard::NameBoard(const SchematicSnapshot& snapshot)
    : mNames(snapshot.names), mWorkList(snapshot.workList), mRowOf(mNames.size(), none) {
    mCarriers.reserve(mNames.size());
    for (std::size_t i = 0; i < mNames.size(); ++i) {
        mCarriers[mNames[i]].push_back(i);
        mComponentsOfCode[letterCode(mNames[i])].push_back(i);
    }
    const std::size_t rows = mWorkList.size();
    mRowValue.resize(rows);
    mRunEnd.resize(rows);
    while (mLeaves < rows)
        mLeaves *= 2;
    mTree.assign(2 * mLeaves, noKey);
    for (std::size_t row = 0; row < rows; ++row) {
        mRowOf[mWorkList[row]] = row;
        mRowValue[row] = partNumberOf(mNames[mWorkList[row]]);
        mFirstRowOfCode.emplace(letterCode(mNames[mWorkList[row]]), row);
    }
    for (std::size_t row = rows; row-- > 0;) {
        const bool sameAsNext = row + 1 < rows && letterCode(mNames[mWorkList[row]]) ==
                                                      letterCode(mNames[mWorkList[row + 1]]);
        mRunEnd[row] = sameAsNext ? mRunEnd[row + 1] : row + 1;
    }
    for (std::size_t row = 0; row < rows; ++row)
        updateKey(row);
}

std::optional<std::size_t> NameBoard::firstCarrier(const std::string& name) const {
    const auto found = mCarriers.find(name);
    if (found == mCarriers.end())
        return std::nullopt;
    return found->second.front();
}

std::optional<std::size_t> NameBoard::firstCarrierInWorkList(const std::string& name) const {
    const auto found = mCarriers.find(name);
    if (found == mCarriers.end())
        return std::nullopt;
    std::optional<std::size_t> first;
    for (std::size_t component : found->second)
        if (mRowOf[component] != none && (!first || mRowOf[component] < mRowOf[*first]))
            first = component;
    return first;
}

bool NameBoard::carriedByAnother(const std::string& name, std::size_t component) const {
    const auto found = mCarriers.find(name);
    if (found == mCarriers.end())
        return false;
    return found->second.size() > 1 || found->second.front() != component;
}

void NameBoard::rename(std::size_t component, const std::string& newName) {
    std::string& present = mNames[component];
    if (newName == present)
        return;
    if (letterCode(newName) != letterCode(present))
        throw std::logic_error("a planned rename changed the letter code of " + present);
    auto& carriers = mCarriers[present];
    carriers.erase(std::find(carriers.begin(), carriers.end(), component));
    if (carriers.empty())
        mCarriers.erase(present);
    auto& now = mCarriers[newName];
    now.insert(std::lower_bound(now.begin(), now.end(), component), component);
    countNumber(present, -1);
    countNumber(newName, +1);
    present = newName;
    if (const std::size_t row = mRowOf[component]; row != none) {
        mRowValue[row] = partNumberOf(newName);
        updateKey(row);
        if (row + 1 < mWorkList.size())
            updateKey(row + 1);
    }
}

void NameBoard::countNumber(const std::string& name, int change) {
    const std::string code = letterCode(name);
    const auto numbers = mNumbers.find(code);
    if (numbers == mNumbers.end())
        return;
    const auto number = plainNumber(name, code.size());
    if (!number)
        return;
    const auto slot = static_cast<std::size_t>(*number + 32768);
    auto& count = numbers->second.carriers[slot];
    count = static_cast<std::uint32_t>(static_cast<std::int64_t>(count) + change);
    const std::uint64_t bit = std::uint64_t{1} << (slot % 64);
    if (count > 0)
        numbers->second.used[slot / 64] |= bit;
    else
        numbers->second.used[slot / 64] &= ~bit;
}

NameBoard::CodeNumbers& NameBoard::numbersOf(const std::string& code) {
    auto [numbers, made] = mNumbers.try_emplace(code);
    if (made) {
        const auto components = mComponentsOfCode.find(code);
        if (components != mComponentsOfCode.end())
            for (std::size_t component : components->second)
                if (letterCode(mNames[component]) == code)
                    countNumber(mNames[component], +1);
    }
    return numbers->second;
}

std::int32_t NameBoard::firstUncarried(const std::string& code, std::int32_t from) {
    const CodeNumbers& numbers = numbersOf(code);
    if (from > 32767)
        return 32768;
    auto slot = static_cast<std::size_t>(std::max(from, -32768) + 32768);
    for (std::size_t word = slot / 64; word < numbers.used.size(); ++word) {
        std::uint64_t free = ~numbers.used[word];
        if (word == slot / 64)
            free &= ~std::uint64_t{0} << (slot % 64);
        if (free != 0)
            return static_cast<std::int32_t>(word * 64 + std::countr_zero(free)) - 32768;
    }
    return 32768;
}

void NameBoard::updateKey(std::size_t row) {
    const bool gap = row > 0 && mRowValue[row] - 1 != mRowValue[row - 1];
    std::size_t node = mLeaves + row;
    mTree[node] = gap ? mRowValue[row] : noKey;
    for (node /= 2; node > 0; node /= 2)
        mTree[node] = std::max(mTree[2 * node], mTree[2 * node + 1]);
}

std::optional<std::size_t> NameBoard::firstKeyAbove(std::size_t from, std::size_t to,
                                                    std::int32_t threshold) const {
    // Walks down from the root, left first, into subtrees that overlap [from, to) and hold a
    // key above the threshold. The tree is at most 64 levels deep, so the stack stays small.
    struct Frame {
        std::size_t node, low, high;
    };
    std::array<Frame, 130> stack;
    std::size_t depth = 0;
    stack[depth++] = {1, 0, mLeaves};
    while (depth > 0) {
        const Frame frame = stack[--depth];
        if (frame.high <= from || frame.low >= to || mTree[frame.node] <= threshold)
            continue;
        if (frame.high - frame.low == 1)
            return frame.low;
        const std::size_t middle = (frame.low + frame.high) / 2;
        stack[depth++] = {2 * frame.node + 1, middle, frame.high};
        stack[depth++] = {2 * frame.node, frame.low, middle};
    }
    return std::nullopt;
}

std::int32_t NameBoard::gapScan(const std::string& candidate) const {
    const std::string code = letterCode(candidate);
    const auto first = mFirstRowOfCode.find(code);
    if (first == mFirstRowOfCode.end())
        throw PassStop("No component of the list carries the letter code \"" + code +
                       "\", so no free name can be found for " + candidate + ".");
    const std::string purpose = "The next free name for " + candidate;
    const std::size_t firstRow = first->second;
    const std::size_t runEnd = mRunEnd[firstRow];
    // A gap: a row whose number does not follow on from the row before, above the candidate.
    const std::size_t from = std::max<std::size_t>(firstRow, 1);
    if (const auto row = firstKeyAbove(from, runEnd, partNumberOf(candidate)))
        return checkedPartNumber(std::int64_t{mRowValue[*row]} - 1, purpose);
    if (runEnd == mWorkList.size())
        return checkedPartNumber(std::int64_t{mRowValue[runEnd - 1]} + 1, purpose);
    const std::string& last = mNames[mWorkList[runEnd - 1]];
    if (!hasNumberPart(last))
        return literalGapScan(candidate, firstRow);
    return checkedPartNumber(std::int64_t{partNumberOf(last)} + 1, purpose);
}

// The scan step by step, for the one case the quick path leaves to it: the run ends in a name
// with no number part, after which the scan goes on past the run's end.
std::int32_t NameBoard::literalGapScan(const std::string& candidate, std::size_t firstRow) const {
    const std::string code = letterCode(candidate);
    const std::string purpose = "The next free name for " + candidate;
    const auto count = static_cast<std::int64_t>(mWorkList.size());
    const auto nameAt = [&](std::int64_t position) -> const std::string& {
        return mNames[mWorkList[static_cast<std::size_t>(position - 1)]];
    };
    std::string lastName;
    std::int32_t result = 0;
    bool done = false;
    for (auto position = static_cast<std::int64_t>(firstRow) + 1; !done; ++position) {
        if (position <= count)
            lastName = nameAt(position);
        if (position == count + 1) {
            result = checkedPartNumber(std::int64_t{partNumberOf(lastName)} + 1, purpose);
            done = true;
        } else if (letterCode(lastName) != code) {
            const std::string& below = nameAt(position - 1);
            result = checkedPartNumber(std::int64_t{partNumberOf(below)} + 1, purpose);
            done = hasNumberPart(below);
        } else if (position > 1) {
            const std::int32_t above = partNumberOf(lastName);
            const std::int32_t below = partNumberOf(nameAt(position - 1));
            if (above - 1 != below && partNumberOf(candidate) < above) {
                result = checkedPartNumber(std::int64_t{above} - 1, purpose);
                done = true;
            }
        }
    }
    return result;
}

} // namespace sequate::engine
