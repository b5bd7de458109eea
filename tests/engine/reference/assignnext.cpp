#include "assignnext.h"

#include "engine/partname.h"
#include "engine/partnumber.h"
#include "engine/passstop.h"
#include "engine/workinglist.h"

#include <algorithm>

namespace sequate::engine::reference {

namespace {

// One call of the scan: its list, its position and what it has found so far.
class GapScan {
public:
    GapScan(FormState& state, const std::string& component)
        : mState(state), mComponent(component), mCode(letterCode(component)),
          mList(chooseWorkList(*state.powerlogicdoc).list) {}

    std::int16_t run() {
        mPosition = startPosition();
        const std::int64_t count = mList->Count();
        if (mPosition > count + 1)
            throw PassStop("The list of components is shorter than when the pass began, so "
                           "no free name can be found for " +
                           mComponent + ".");
        while (!mDone) {
            if (mPosition <= count)
                mLastName = nameAt(mPosition);
            if (mPosition == count + 1)
                finishAt(partNumberOf(mLastName, mState.numberMissing) + 1);
            else if (letterCode(mLastName) != mCode)
                runEnded();
            else if (mPosition > 1)
                testGap();
            mState.numberMissing = false;
            ++mPosition;
        }
        return mResult;
    }

private:
    std::int64_t startPosition() const {
        const auto& names = mState.allNames;
        const auto first = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
            return letterCode(n) == mCode;
        });
        if (first == names.end())
            throw PassStop("No component of the list carries the letter code \"" + mCode +
                           "\", so no free name can be found for " + mComponent + ".");
        return (first - names.begin()) + 1;
    }

    std::string nameAt(std::int64_t position) {
        return mList->Item(static_cast<std::int32_t>(position))->Value();
    }

    void finishAt(std::int64_t number) {
        mResult = checkedPartNumber(number, "The next free name for " + mComponent);
        mDone = true;
    }

    // The run of the code ended at the item before: one above that item's number, unless the
    // item has no number part, when the scan goes on.
    void runEnded() {
        if (mPosition < 2)
            throw PassStop("The list of components changed during the pass, so no free name "
                           "can be found for " +
                           mComponent + ".");
        bool missing = false;
        const std::string number = numberPart(nameAt(mPosition - 1), missing);
        mState.numberMissing = mState.numberMissing || missing;
        finishAt(toInt16(number).value_or(0) + 1);
        if (missing)
            mDone = false;
    }

    void testGap() {
        const std::int32_t above = partNumberOf(mLastName, mState.numberMissing);
        const std::int32_t below = partNumberOf(nameAt(mPosition - 1), mState.numberMissing);
        if (above - 1 != below && partNumberOf(mComponent, mState.numberMissing) < above)
            finishAt(above - 1);
    }

    FormState& mState;
    const std::string& mComponent;
    const std::string mCode;
    std::shared_ptr<host::LogicObjects> mList;
    std::int64_t mPosition = 0;
    std::string mLastName;
    std::int16_t mResult = 0;
    bool mDone = false;
};

} // namespace

std::string AssignNext(FormState& state, const std::string& component) {
    const std::int16_t number = GapScan(state, component).run();
    return letterCode(component) + std::to_string(number);
}

std::string nextFreeName(FormState& state, host::LogicObjects& everyComponent,
                         const std::string& candidate, const std::string& receiverName,
                         bool avoidCandidate) {
    const std::string code = letterCode(candidate);
    std::string answer = AssignNext(state, candidate);
    std::int64_t number = partNumberOf(answer, state.numberMissing);
    state.numberMissing = false;
    const auto taken = [&](const std::string& name) {
        return (avoidCandidate && name == candidate) ||
               (name != receiverName && everyComponent.Item(name) != nullptr);
    };
    while (taken(answer)) {
        ++number;
        answer = code + std::to_string(checkedPartNumber(number, "A free name for " + candidate));
    }
    return answer;
}

} // namespace sequate::engine::reference
