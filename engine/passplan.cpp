#include "passplan.h"

#include "hostrenames.h"
#include "nameboard.h"
#include "partname.h"
#include "partnumber.h"
#include "passstop.h"
#include "rotationorder.h"

#include <algorithm>
#include <map>
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

// Each letter code's components are numbered from the start up: where a code has more of them
// than numbers are left below 32768, the pass is refused before anything is planned, with the
// one the numbers run out at.
void refuseNumbersPastTheTop(std::int16_t start, const std::vector<std::string>& codes) {
    std::map<std::string, std::int64_t> counts;
    for (const std::string& code : codes)
        ++counts[code];
    const std::int64_t numbersLeft = highestPartNumber - start + 1;
    for (const auto& [code, count] : counts)
        if (count > numbersLeft)
            throw PassStop("Starting at " + std::to_string(start) + " leaves no number for the " +
                           ordinal(numbersLeft + 1) + " of " + std::to_string(count) + " " +
                           (code.empty() ? std::string("components without a letter code")
                                         : code + " components") +
                           ".");
}

class Planner {
public:
    Planner(const SchematicSnapshot& snapshot, const PassRequest& request)
        : mSnapshot(snapshot), mRequest(request), mBoard(snapshot) {}

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
    void planAllComponents() {
        const auto count = static_cast<std::int64_t>(mBoard.workListLength());
        const std::vector<std::string> before = workListNames();
        std::vector<PartName> parts;
        parts.reserve(before.size());
        std::int64_t highest = 0;
        for (const std::string& name : before) {
            parts.push_back(parsePartName(name));
            highest = std::max<std::int64_t>(highest, parts.back().number);
        }
        std::vector<std::string> codes;
        codes.reserve(parts.size());
        for (const PartName& part : parts)
            codes.push_back(part.code);
        refuseNumbersPastTheTop(mRequest.start, codes);
        std::int64_t moved = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            const std::string& name = before[i];
            const std::int64_t number = parts[i].number;
            if (number < mRequest.start || number > mRequest.start + count || parts[i].endsInLetter)
                continue;
            const auto component = mBoard.firstCarrierInWorkList(name);
            if (!component)
                throw PassStop("The component " + name +
                               " could not be found in the schematic while names were being "
                               "moved out of the way.");
            const std::int16_t temporary =
                checkedPartNumber(firstTemporary(mRequest.start, highest, count) + moved,
                                  "The temporary name for " + name);
            rename(*component, parts[i].code + std::to_string(temporary));
            ++moved;
        }
        for (const std::string& name : workListNames()) {
            const auto component = mBoard.firstCarrierInWorkList(name);
            if (!component)
                throw PassStop("The component " + name + " could not be found in the schematic.");
            mPlan.walk.push_back(*component);
            const PartName& part = mBoard.parsed(*component);
            std::int64_t& used = mUsed[part.code];
            if (part.endsInLetter)
                mPlan.unnamed.push_back(name);
            else
                rename(*component, candidate(name, part.code, used));
            ++used;
        }
    }

    // The selected components by position, run by run of letter code; a taken name is handled
    // as the policy says.
    void planSelectedComponents() {
        mPlan.walk = walkOrder();
        if (mRequest.policy != TakenNamePolicy::None) {
            std::vector<std::string> codes;
            for (std::size_t component : mPlan.walk)
                codes.push_back(mBoard.parsed(component).code);
            refuseNumbersPastTheTop(mRequest.start, codes);
        }
        for (std::size_t component : mPlan.walk) {
            const std::string name = mBoard.name(component);
            const PartName part = mBoard.parsed(component);
            std::int64_t& used = mUsed[part.code];
            if (part.endsInLetter) {
                ++used;
                mPlan.unnamed.push_back(name);
                continue;
            }
            if (mRequest.policy == TakenNamePolicy::AssignNextFree) {
                const std::string wanted = candidate(name, part.code, used);
                rename(component,
                       mBoard.carried(wanted) ? nextFreeName(wanted, name, false) : wanted);
                ++used;
            } else if (mRequest.policy == TakenNamePolicy::RenameDuplicates) {
                takeNameFromHolder(component, name, candidate(name, part.code, used));
                ++used;
            }
        }
    }

    void takeNameFromHolder(std::size_t component, const std::string& name,
                            const std::string& wanted) {
        const auto holder = mBoard.firstCarrier(wanted);
        if (!holder) {
            rename(component, wanted);
            return;
        }
        if (name == wanted)
            return;
        rename(*holder, nextFreeName(wanted, wanted, true));
        rename(component, wanted);
    }

    // The selected rows ordered by position within each run of equal letter code; runs are cut
    // where the code changes in list order and keep their places.
    std::vector<std::size_t> walkOrder() const {
        const auto& selected = mSnapshot.selected;
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

    // The name's letter code followed by the start number plus the numbers used so far.
    std::string candidate(const std::string& name, const std::string& code,
                          std::int64_t used) const {
        const std::int16_t number =
            checkedPartNumber(mRequest.start + used, "The new name for " + name);
        return code + std::to_string(number);
    }

    // The gap scan's answer, made free: while another component than the one named receiver
    // carries it, or it is the candidate and avoidCandidate is set (a holder moved out of the
    // candidate's way), the number goes up by one.
    std::string nextFreeName(const std::string& wanted, const std::string& receiver,
                             bool avoidCandidate) {
        const PartName wantedName = parsePartName(wanted);
        const std::string& code = wantedName.code;
        const std::int32_t wantedNumber = wantedName.number;
        const PartName receiverName = parsePartName(receiver);
        std::optional<std::int32_t> receiverNumber;
        if (receiverName.code == code && receiver == code + std::to_string(receiverName.number))
            receiverNumber = receiverName.number;
        const auto free = [&](std::int32_t number) {
            if (avoidCandidate && number == wantedNumber)
                return false;
            return number == receiverNumber || mBoard.firstUncarried(code, number) == number;
        };
        std::int32_t number = mBoard.gapScan(wanted);
        while (!free(number)) {
            std::int32_t next = mBoard.firstUncarried(code, number + 1);
            if (receiverNumber && *receiverNumber > number && *receiverNumber < next)
                next = *receiverNumber;
            number = checkedPartNumber(next, "A free name for " + wanted);
        }
        return code + std::to_string(number);
    }

    void rename(std::size_t component, const std::string& newName) {
        const std::string present = mBoard.name(component);
        // PowerLogic refuses a name another component carries, its own included when a twin
        // carries it too: found here, the pass stops before it renames anything.
        if (mBoard.carriedByAnother(newName, component)) {
            std::string problem = "PowerLogic would not rename " + present + " to " + newName +
                                  ": another component already carries that name.";
            if (mRequest.scope == PassScope::AllComponents && mSnapshot.workListIsSelection &&
                !mBoard.firstCarrierInWorkList(newName))
                problem += outsideSelectionHint(newName);
            throw PassStop(problem);
        }
        mPlan.renames.push_back({ComponentIndex(component), present, newName});
        mBoard.rename(component, newName);
    }

    const SchematicSnapshot& mSnapshot;
    const PassRequest mRequest;
    NameBoard mBoard;
    PassPlan mPlan;
    std::unordered_map<std::string, std::int64_t> mUsed; // numbers used, per letter code
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
