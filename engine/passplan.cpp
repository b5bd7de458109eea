#include "passplan.h"

#include "hostrenames.h"
#include "nameboard.h"
#include "partname.h"
#include "partnumber.h"
#include "passstop.h"
#include "rotationorder.h"
#include "sheetorder.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

namespace sequate::engine {

namespace {

// The first temporary number of a pass over all components: start + highest + 1, raised where
// needed so that it lies above every number in use and every number the walk hands out (start
// to start + count - 1). Otherwise a design with few numbers and many components, or a start
// below 0, has the walk give a component the temporary name of one it has not reached yet.
std::int64_t firstTemporary(std::int64_t start, std::int64_t highest, std::int64_t count) {
    return std::max({start + highest + 1, highest + 1, start + count});
}

std::string ordinal(std::int64_t n) {
    static const char* const words[] = {"first", "second",  "third",  "fourth", "fifth",
                                        "sixth", "seventh", "eighth", "ninth",  "tenth"};
    if (n >= 1 && n <= 10)
        return words[n - 1];
    const std::int64_t lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13)
        suffix = n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

// Per letter code, the numbers the walk gives no component: those of the components left alone
// and those the gates' names carry.
using TakenNumbers = std::unordered_map<std::string, std::set<std::int64_t>>;

// How many of the code's numbers from `from` up are taken.
std::int64_t takenFrom(const TakenNumbers& taken, const std::string& code, std::int64_t from) {
    const auto found = taken.find(code);
    if (found == taken.end())
        return 0;
    return static_cast<std::int64_t>(
        std::distance(found->second.lower_bound(from), found->second.end()));
}

// Each letter code's components are numbered from the start up, past the taken numbers: where
// a code has more of them than numbers are left below 32768, the pass is refused before
// anything is planned, with the one the numbers run out at.
void refuseNumbersPastTheTop(std::int16_t start, const std::vector<std::string>& codes,
                             const TakenNumbers& taken) {
    std::map<std::string, std::int64_t> counts;
    for (const std::string& code : codes)
        ++counts[code];
    for (const auto& [code, count] : counts)
        if (const std::int64_t numbersLeft =
                highestPartNumber - start + 1 - takenFrom(taken, code, start);
            count > numbersLeft)
            throw PassStop("Starting at " + std::to_string(start) + " leaves no number for the " +
                           ordinal(numbersLeft + 1) + " of " + std::to_string(count) + " " +
                           (code.empty() ? std::string("components without a letter code")
                                         : code + " components") +
                           ".");
}

class Planner {
public:
    Planner(const SchematicSnapshot& snapshot, const PassRequest& request)
        : mSnapshot(snapshot), mRequest(request), mStart(request.start.value()), mBoard(snapshot),
          mLeftAlone(snapshot.names.size(), false) {
        for (std::size_t i = 0; i < snapshot.names.size(); ++i) {
            if (const auto number = gateNumber(snapshot.names[i]))
                mTaken[mBoard.parsed(i).code].insert(*number);
            if (!request.leaveAlone.matches(snapshot.names[i]))
                continue;
            mLeftAlone[i] = true;
            if (const auto number = heldNumber(i))
                mTaken[mBoard.parsed(i).code].insert(*number);
        }
        for (const std::string& entry : request.leaveAlone.entries)
            if (std::none_of(
                    snapshot.names.begin(), snapshot.names.end(),
                    [&](const std::string& name) { return LeaveAlone::entryMatches(entry, name); }))
                mPlan.unmatchedEntries.push_back(entry);
    }

    PassPlan run() {
        try {
            if (mRequest.scope == PassScope::AllComponents)
                planAllComponents();
            else
                planSelectedComponents();
            // The numbering's steps go through temporary names and give many components the
            // name they carry; the schematic goes through neither, and the ECO file holds the
            // renames it went through.
            std::vector<Rename> made = hostRenames(mSnapshot, mPlan);
            mPlan.renames = std::move(made);
        } catch (const PassStop& stop) {
            mPlan.stop = stop.what();
        }
        return std::move(mPlan);
    }

private:
    // Every component in list order, after every name the walk could meet has been moved to
    // a temporary number above all of them. Old program: SiirraTielta, then the walk.
    //
    // The numbers the walk skips, those of components left alone, widen the range it hands out
    // by as many, and the left-alone components are not moved.
    void planAllComponents() {
        const auto count = static_cast<std::int64_t>(mBoard.workListLength());
        const std::vector<std::string> before = workListNames();
        std::vector<SplitName> parts;
        parts.reserve(before.size());
        std::vector<bool> leftAlone;
        leftAlone.reserve(before.size());
        std::int64_t highest = 0;
        std::int64_t mostSkipped = 0;
        for (const auto& [code, numbers] : mTaken) {
            highest = std::max(highest, *numbers.rbegin());
            mostSkipped = std::max(mostSkipped, takenFrom(mTaken, code, mStart));
        }
        std::vector<std::string> codes;
        for (std::size_t row = 0; row < before.size(); ++row) {
            parts.push_back(splitName(before[row]));
            highest = std::max<std::int64_t>(highest, parts.back().number);
            leftAlone.push_back(mLeftAlone[mBoard.atRow(row)]);
            if (!leftAlone.back())
                codes.push_back(parts.back().code);
        }
        refuseNumbersPastTheTop(mStart, codes, mTaken);
        std::int64_t moved = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            const std::string& name = before[i];
            const std::int64_t number = parts[i].number;
            if (leftAlone[i] || number < mStart ||
                number > mStart + count + takenFrom(mTaken, parts[i].code, mStart) ||
                parts[i].endsInLetter)
                continue;
            const auto component = mBoard.firstCarrierInWorkList(name);
            if (!component)
                throw PassStop("The component " + name +
                               " could not be found in the schematic while names were being "
                               "moved out of the way.");
            const std::int16_t temporary =
                checkedPartNumber(firstTemporary(mStart, highest, count + mostSkipped) + moved,
                                  "The temporary name for " + name);
            rename(*component, PartName::numbered(parts[i].code, temporary));
            ++moved;
        }
        if (mRequest.order != WalkOrder::Standard) {
            for (std::size_t component : positionWalk())
                numberInWalk(component);
            return;
        }
        for (const std::string& name : workListNames()) {
            const auto component = mBoard.firstCarrierInWorkList(name);
            if (!component)
                throw PassStop("The component " + name + " could not be found in the schematic.");
            numberInWalk(*component);
        }
    }

    void numberInWalk(std::size_t component) {
        mPlan.walk.push_back(component);
        const std::string name = mBoard.name(component);
        if (keptAlone(component, name))
            return;
        const SplitName& part = mBoard.parsed(component);
        const std::int64_t number = nextNumber(part.code);
        if (part.endsInLetter)
            mPlan.unnamed.push_back(name);
        else
            rename(component, candidate(name, part.code, number));
    }

    // The selected components by position, in the old program's order run by run of letter
    // code or in the order asked for; a taken name is handled as the policy says.
    void planSelectedComponents() {
        mPlan.walk = mRequest.order == WalkOrder::Standard ? walkOrder() : positionWalk();
        if (mRequest.policy != TakenNamePolicy::None) {
            std::vector<std::string> codes;
            for (std::size_t component : mPlan.walk)
                if (!mLeftAlone[component])
                    codes.push_back(mBoard.parsed(component).code);
            refuseNumbersPastTheTop(mStart, codes, mTaken);
        }
        for (std::size_t component : mPlan.walk) {
            const std::string name = mBoard.name(component);
            if (keptAlone(component, name))
                continue;
            const SplitName part = mBoard.parsed(component);
            if (part.endsInLetter) {
                nextNumber(part.code);
                mPlan.unnamed.push_back(name);
                continue;
            }
            if (mRequest.policy == TakenNamePolicy::AssignNextFree) {
                // A component that alone carries the name it would be given keeps it; a twin
                // still moves on to a free one.
                const PartName wanted = candidate(name, part.code, nextNumber(part.code));
                const bool keeps =
                    wanted.text() == name && !mBoard.carriedByAnother(name, component);
                const bool taken = mBoard.carried(wanted.text());
                if (!keeps)
                    rename(component, taken ? nextFreeName(wanted, name, false) : wanted);
            } else if (mRequest.policy == TakenNamePolicy::RenameDuplicates) {
                takeNameFromHolder(component, name,
                                   candidate(name, part.code, nextNumber(part.code)));
            }
        }
    }

    // A component left alone keeps its name and uses no number; it is listed with those kept.
    bool keptAlone(std::size_t component, const std::string& name) {
        if (!mLeftAlone[component])
            return false;
        (mBoard.parsed(component).endsInLetter ? mPlan.unnamed : mPlan.leftAlone).push_back(name);
        return true;
    }

    // The number a left-alone component holds when its name is its letter code followed by
    // digits alone, leading zeros allowed: R007 holds 7, as a designer reads it.
    std::optional<std::int64_t> heldNumber(std::size_t component) const {
        const SplitName& part = mBoard.parsed(component);
        const std::string& name = mBoard.name(component);
        if (name.size() == part.code.size() ||
            !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(part.code.size()), name.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        return part.number;
    }

    // The next number of the code along the walk: the start plus the numbers used so far, past
    // every number a component left alone holds.
    std::int64_t nextNumber(const std::string& code) {
        std::int64_t& next = mNext.try_emplace(code, mStart).first->second;
        while (isTaken(code, next))
            ++next;
        return next++;
    }

    bool isTaken(const std::string& code, std::int64_t number) const {
        const auto found = mTaken.find(code);
        return found != mTaken.end() && found->second.count(number) != 0;
    }

    // The components ordered across or down the sheet, whatever their letter codes.
    std::vector<std::size_t> positionWalk() const {
        std::vector<SheetPoint> points;
        points.reserve(mSnapshot.positions.size());
        for (const ComponentPosition& position : mSnapshot.positions)
            points.push_back({position.across, position.up});
        std::vector<std::size_t> walk;
        walk.reserve(points.size());
        for (std::size_t i : sheetOrder(points, mRequest.order))
            walk.push_back(mSnapshot.workList[mSnapshot.positions[i].row]);
        return walk;
    }

    void takeNameFromHolder(std::size_t component, const std::string& name,
                            const PartName& wanted) {
        const auto holder = mBoard.firstCarrier(wanted.text());
        if (!holder) {
            rename(component, wanted);
            return;
        }
        if (name == wanted.text())
            return;
        rename(*holder, nextFreeName(wanted, wanted.text(), true));
        rename(component, wanted);
    }

    // The selected rows ordered by position within each run of equal letter code; runs are cut
    // where the code changes in list order and keep their places.
    std::vector<std::size_t> walkOrder() const {
        const auto& selected = mSnapshot.positions;
        std::vector<std::size_t> order;
        order.reserve(selected.size());
        const auto codeAt = [&](std::size_t i) -> const std::string& {
            return mBoard.parsed(mSnapshot.workList[selected[i].row]).code;
        };
        for (std::size_t begin = 0; begin < selected.size();) {
            std::size_t end = begin + 1;
            while (end < selected.size() && codeAt(end) == codeAt(begin))
                ++end;
            std::vector<SortedRow> run;
            for (std::size_t i = begin; i < end; ++i)
                run.push_back({rowName(selected[i].row), selected[i].first, selected[i].second});
            for (std::size_t position : rotationOrder(run))
                order.push_back(mSnapshot.workList[selected[begin + position].row]);
            begin = end;
        }
        return order;
    }

    const std::string& rowName(std::size_t row) const {
        return mSnapshot.names[mSnapshot.workList[row]];
    }

    std::vector<std::string> workListNames() const {
        std::vector<std::string> names;
        names.reserve(mBoard.workListLength());
        for (std::size_t row = 0; row < mBoard.workListLength(); ++row)
            names.push_back(mBoard.name(mBoard.atRow(row)));
        return names;
    }

    // The name's letter code followed by the number the walk gives it.
    PartName candidate(const std::string& name, const std::string& code,
                       std::int64_t number) const {
        return PartName::numbered(code, checkedPartNumber(number, "The new name for " + name));
    }

    // The gap scan's answer, made free: while another component than the one named receiver
    // carries it, or it is the candidate and avoidCandidate is set (a holder moved out of the
    // candidate's way), the number goes up by one.
    PartName nextFreeName(const PartName& wanted, const std::string& receiver,
                          bool avoidCandidate) {
        const std::string& code = wanted.code();
        const std::int32_t wantedNumber = wanted.number();
        const SplitName receiverName = splitName(receiver);
        std::optional<std::int32_t> receiverNumber;
        if (receiverName.code == code && receiver == code + std::to_string(receiverName.number))
            receiverNumber = receiverName.number;
        const auto free = [&](std::int32_t number) {
            if ((avoidCandidate && number == wantedNumber) || isTaken(code, number))
                return false;
            return number == receiverNumber || mBoard.firstUncarried(code, number) == number;
        };
        std::int32_t number = mBoard.gapScan(wanted);
        while (!free(number)) {
            std::int32_t next = mBoard.firstUncarried(code, number + 1);
            if (receiverNumber && *receiverNumber > number && *receiverNumber < next)
                next = *receiverNumber;
            number = checkedPartNumber(next, "A free name for " + wanted.text());
        }
        return PartName::numbered(code, static_cast<std::int16_t>(number));
    }

    void rename(std::size_t component, const PartName& newName) {
        const std::string present = mBoard.name(component);
        const std::string& after = newName.text();
        // PowerLogic refuses a name another component carries, its own included when a twin
        // carries it too: found here, the pass stops before it renames anything.
        if (mBoard.carriedByAnother(after, component)) {
            std::string problem = "PowerLogic would not rename " + present + " to " + after +
                                  ": another component already carries that name.";
            if (mRequest.scope == PassScope::AllComponents && mSnapshot.workListIsSelection &&
                !mBoard.firstCarrierInWorkList(after))
                problem += outsideSelectionHint(after);
            throw PassStop(problem);
        }
        mPlan.renames.push_back({ComponentIndex(component), present, after});
        mBoard.rename(component, newName);
    }

    const SchematicSnapshot& mSnapshot;
    const PassRequest mRequest;
    const std::int16_t mStart;
    NameBoard mBoard;
    PassPlan mPlan;
    std::vector<bool> mLeftAlone; // per component of the document
    TakenNumbers mTaken;
    std::unordered_map<std::string, std::int64_t> mNext; // the next number, per letter code
};

} // namespace

PassPlan planPass(const SchematicSnapshot& snapshot, const PassRequest& request) {
    return Planner(snapshot, request).run();
}

std::string outsideSelectionHint(const std::string& name) {
    return "\n\nTwo or more components are selected, so the pass numbers only the selected "
           "components, and " +
           name +
           " belongs to a component outside the selection. To number every component, select "
           "one component or none and press Run again.";
}

} // namespace sequate::engine
