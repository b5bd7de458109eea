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
    if (error != std::errc() || end != last || !isPartNumber(value))
        return std::nullopt;
    if (std::to_string(value) != std::string_view(first, static_cast<std::size_t>(last - first)))
        return std::nullopt;
    return value;
}

} // namespace

NameBoard::NameBoard(const SchematicSnapshot& snapshot)
    : mNames(snapshot.names), mWorkList(snapshot.workList), mRowOf(mNames.size(), none) {
    mCarriers.reserve(mNames.size());
    mParsed.reserve(mNames.size());
    for (std::size_t i = 0; i < mNames.size(); ++i) {
        mParsed.push_back(splitName(mNames[i]));
        mCarriers[mNames[i]].push_back(i);
        mComponentsOfCode[mParsed[i].code].push_back(i);
    }
    const std::size_t rows = mWorkList.size();
    mRowValue.resize(rows);
    mRunEnd.resize(rows);
    while (mLeaves < rows)
        mLeaves *= 2;
    mTree.assign(2 * mLeaves, noKey);
    for (std::size_t row = 0; row < rows; ++row) {
        mRowOf[mWorkList[row]] = row;
        mRowValue[row] = mParsed[mWorkList[row]].number;
        mFirstRowOfCode.emplace(mParsed[mWorkList[row]].code, row);
    }
    for (std::size_t row = rows; row-- > 0;) {
        const bool sameAsNext =
            row + 1 < rows && mParsed[mWorkList[row]].code == mParsed[mWorkList[row + 1]].code;
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

void NameBoard::rename(std::size_t component, const PartName& newName) {
    std::string& present = mNames[component];
    if (newName.text() == present)
        return;
    if (newName.code() != mParsed[component].code)
        throw std::logic_error("a planned rename changed the letter code of " + present);
    auto& carriers = mCarriers[present];
    carriers.erase(std::find(carriers.begin(), carriers.end(), component));
    if (carriers.empty())
        mCarriers.erase(present);
    auto& now = mCarriers[newName.text()];
    now.insert(std::lower_bound(now.begin(), now.end(), component), component);
    countNumber(component, -1);
    present = newName.text();
    mParsed[component] = newName.split();
    countNumber(component, +1);
    if (const std::size_t row = mRowOf[component]; row != none) {
        mRowValue[row] = mParsed[component].number;
        updateKey(row);
        if (row + 1 < mWorkList.size())
            updateKey(row + 1);
    }
}

void NameBoard::countNumber(std::size_t component, int change) {
    const std::string& name = mNames[component];
    const std::string& code = mParsed[component].code;
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
                if (mParsed[component].code == code)
                    countNumber(component, +1);
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

std::int32_t NameBoard::gapScan(const PartName& candidate) const {
    const SplitName& wanted = candidate.split();
    const std::string& code = wanted.code;
    const auto first = mFirstRowOfCode.find(code);
    if (first == mFirstRowOfCode.end())
        throw PassStop("No component of the list carries the letter code \"" + code +
                       "\", so no free name can be found for " + candidate.text() + ".");
    const std::string purpose = "The next free name for " + candidate.text();
    const std::size_t firstRow = first->second;
    const std::size_t runEnd = mRunEnd[firstRow];
    // A gap: a row whose number does not follow on from the row before, above the candidate.
    const std::size_t from = std::max<std::size_t>(firstRow, 1);
    if (const auto row = firstKeyAbove(from, runEnd, wanted.number))
        return checkedPartNumber(std::int64_t{mRowValue[*row]} - 1, purpose);
    if (runEnd == mWorkList.size())
        return checkedPartNumber(std::int64_t{mRowValue[runEnd - 1]} + 1, purpose);
    const SplitName& last = mParsed[mWorkList[runEnd - 1]];
    if (!last.hasNumber)
        return literalGapScan(wanted, firstRow, purpose);
    return checkedPartNumber(std::int64_t{last.number} + 1, purpose);
}

// The scan step by step, for the one case the quick path leaves to it: the run ends in a name
// with no number part, after which the scan goes on past the run's end.
std::int32_t NameBoard::literalGapScan(const SplitName& candidate, std::size_t firstRow,
                                       const std::string& purpose) const {
    const auto count = static_cast<std::int64_t>(mWorkList.size());
    const auto nameAt = [&](std::int64_t position) -> const SplitName& {
        return mParsed[mWorkList[static_cast<std::size_t>(position - 1)]];
    };
    const SplitName* last = nullptr;
    std::int32_t result = 0;
    bool done = false;
    for (auto position = static_cast<std::int64_t>(firstRow) + 1; !done; ++position) {
        if (position <= count)
            last = &nameAt(position);
        if (position == count + 1) {
            result = checkedPartNumber(std::int64_t{last->number} + 1, purpose);
            done = true;
        } else if (last->code != candidate.code) {
            const SplitName& below = nameAt(position - 1);
            result = checkedPartNumber(std::int64_t{below.number} + 1, purpose);
            done = below.hasNumber;
        } else if (position > 1) {
            const std::int32_t above = last->number;
            const std::int32_t below = nameAt(position - 1).number;
            if (above - 1 != below && candidate.number < above) {
                result = checkedPartNumber(std::int64_t{above} - 1, purpose);
                done = true;
            }
        }
    }
    return result;
}

} // namespace sequate::engine
