#pragma once

// The schematic's names as a plan changes them: the in-memory stand-in for PowerLogic that the
// planner asks what it would otherwise ask the host (who carries a name, the first carrier in
// list order, the names along the work list) and tells of each rename. Every question is
// answered in O(log n) or better, so planning a pass is O(n log n).

#include "partname.h"
#include "schematicsnapshot.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace sequate::engine {

class NameBoard {
public:
    explicit NameBoard(const SchematicSnapshot& snapshot);

    std::size_t size() const { return mNames.size(); }
    const std::string& name(std::size_t component) const { return mNames[component]; }
    const SplitName& parsed(std::size_t component) const { return mParsed[component]; }
    std::size_t workListLength() const { return mWorkList.size(); }
    // The component at a work-list row, from 0.
    std::size_t atRow(std::size_t row) const { return mWorkList[row]; }

    // The first component carrying the name, in the order of names.
    std::optional<std::size_t> firstCarrier(const std::string& name) const;
    // The same among the components of the work list, in its order.
    std::optional<std::size_t> firstCarrierInWorkList(const std::string& name) const;
    bool carried(const std::string& name) const { return mCarriers.count(name) != 0; }
    // Another component than `component` carries the name.
    bool carriedByAnother(const std::string& name, std::size_t component) const;

    // A rename never changes a letter code: every name the planner gives is the present name's
    // code followed by a number.
    void rename(std::size_t component, const PartName& newName);

    // The first number from `from` up for which the code's name (code followed by the number
    // in decimal) is carried by no component; 32768 when every one up to 32767 is.
    std::int32_t firstUncarried(const std::string& code, std::int32_t from);

    // The gap scan along the work list (see nextfreename.h): the number it finds for the
    // candidate, checked to lie within 16 bits.
    std::int32_t gapScan(const PartName& candidate) const;

private:
    struct CodeNumbers {
        std::vector<std::uint32_t> carriers = std::vector<std::uint32_t>(65536, 0);
        std::vector<std::uint64_t> used = std::vector<std::uint64_t>(1024, 0); // carriers > 0
    };

    void countNumber(std::size_t component, int change);
    CodeNumbers& numbersOf(const std::string& code);
    void setRowValue(std::size_t row);
    void updateKey(std::size_t row);
    std::optional<std::size_t> firstKeyAbove(std::size_t from, std::size_t to,
                                             std::int32_t threshold) const;
    std::int32_t literalGapScan(const SplitName& candidate, std::size_t firstRow,
                                const std::string& purpose) const;

    std::vector<std::string> mNames;
    std::vector<SplitName> mParsed; // each name read once
    std::vector<std::size_t> mWorkList;
    std::vector<std::size_t> mRowOf; // work-list row of each component, or npos
    std::unordered_map<std::string, std::vector<std::size_t>> mCarriers; // ascending
    std::unordered_map<std::string, std::vector<std::size_t>> mComponentsOfCode;
    std::map<std::string, CodeNumbers> mNumbers; // made on first use per code

    // Along the work list: each row's number, its code and where its run of that code ends.
    std::vector<std::int32_t> mRowValue;
    std::vector<std::size_t> mRunEnd;
    std::unordered_map<std::string, std::size_t> mFirstRowOfCode;
    // A max-tree over each row's gap key: the row's number when it does not follow on from the
    // row before, else none. The gap scan asks for the first key above a number.
    std::size_t mLeaves = 1;
    std::vector<std::int32_t> mTree;
};

} // namespace sequate::engine
