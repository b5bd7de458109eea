#include "hostrenames.h"

#include "partname.h"
#include "passstop.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace sequate::engine {

namespace {

class HostOrder {
public:
    HostOrder(const SchematicSnapshot& snapshot, const PassPlan& plan)
        : mPlan(plan), mNames(snapshot.names) {
        mCarriers.reserve(mNames.size());
        mTaken.reserve(2 * mNames.size());
        for (std::size_t component = 0; component < mNames.size(); ++component) {
            mCarriers[mNames[component]].push_back(component);
            mTaken.insert(mNames[component]);
        }
        mFinal.assign(mNames.size(), none);
        mStillPending.assign(mNames.size(), 0);
        for (std::size_t step = 0; step < plan.renames.size(); ++step)
            mFinal[plan.renames[step].component.value()] = step;
        for (std::size_t step : mFinal)
            if (step != none)
                mTaken.insert(plan.renames[step].after);
    }

    // Components become ready in the order of the document, and in the order their names are
    // freed: a queue keeps that order with no sorting.
    std::vector<Rename> run() {
        for (std::size_t component = 0; component < mFinal.size(); ++component) {
            if (mFinal[component] != none && finalName(component) != mNames[component]) {
                ++mPending;
                mStillPending[component] = 1;
                wait(component);
            }
        }
        while (mPending > 0) {
            if (mReady.empty())
                breakRing();
            const std::size_t component = mReady.front();
            mReady.pop_front();
            send(component, finalName(component));
            mStillPending[component] = 0;
            --mPending;
        }
        return std::move(mSent);
    }

private:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    const std::string& finalName(std::size_t component) const {
        return mPlan.renames[mFinal[component]].after;
    }

    bool heldByAnother(const std::string& name, std::size_t component) const {
        const auto found = mCarriers.find(name);
        return found != mCarriers.end() &&
               std::any_of(found->second.begin(), found->second.end(),
                           [&](std::size_t holder) { return holder != component; });
    }

    void wait(std::size_t component) {
        const std::string& target = finalName(component);
        if (heldByAnother(target, component))
            mWaiting[target].push_back(component);
        else
            mReady.push_back(component);
    }

    void send(std::size_t component, const std::string& newName) {
        const std::string before = mNames[component];
        mSent.push_back({ComponentIndex(component), before, newName});
        auto& carriers = mCarriers[before];
        carriers.erase(std::find(carriers.begin(), carriers.end(), component));
        mCarriers[newName].push_back(component);
        mNames[component] = newName;
        if (!carriers.empty())
            return;
        mCarriers.erase(before);
        const auto waiting = mWaiting.find(before);
        if (waiting == mWaiting.end())
            return;
        const std::vector<std::size_t> released = std::move(waiting->second);
        mWaiting.erase(waiting);
        for (std::size_t next : released)
            wait(next);
    }

    // Every component still to be renamed waits for one that waits in turn: follow the waits
    // from the first until one comes round again, and move that one aside.
    void breakRing() {
        // With nothing ready, every component still to go is waiting; the first in document
        // order is found by a cursor that never moves back.
        while (!mStillPending[mCursor])
            ++mCursor;
        std::unordered_set<std::size_t> seen;
        std::size_t component = mCursor;
        while (seen.insert(component).second) {
            const auto& holders = mCarriers.at(finalName(component));
            const std::size_t holder =
                *std::find_if(holders.begin(), holders.end(),
                              [&](std::size_t other) { return other != component; });
            if (mFinal[holder] == none || finalName(holder) == mNames[holder])
                throw PassStop(mNames[component] + " cannot be renamed to " + finalName(component) +
                               ": another component keeps that name.");
            component = holder;
        }
        send(component, temporaryName(component));
    }

    // A name the plan gave the component on its way, if no component carries it before or
    // after the pass, else the highest free number of its code.
    std::string temporaryName(std::size_t component) {
        for (const Rename& rename : mPlan.renames)
            if (rename.component.value() == component && !mTaken.count(rename.after))
                return take(rename.after);
        const std::string code = letterCode(mNames[component]);
        for (std::int32_t number = 32767; number >= -32768; --number) {
            const std::string name = code + std::to_string(number);
            if (!mTaken.count(name))
                return take(name);
        }
        throw PassStop("No temporary name is free for " + mNames[component] + ".");
    }

    std::string take(const std::string& name) {
        mTaken.insert(name);
        return name;
    }

    const PassPlan& mPlan;
    std::vector<std::string> mNames; // as the renames sent so far leave them
    std::unordered_map<std::string, std::vector<std::size_t>> mCarriers;
    // Names a temporary name must not be: every name before and after the pass.
    std::unordered_set<std::string> mTaken;
    std::vector<std::size_t> mFinal; // per component: the step of its last rename, or none
    std::unordered_map<std::string, std::vector<std::size_t>> mWaiting;
    std::deque<std::size_t> mReady;
    std::vector<char> mStillPending; // per component: its final rename is still to be sent
    std::size_t mCursor = 0;
    std::size_t mPending = 0;
    std::vector<Rename> mSent;
};

} // namespace

std::vector<Rename> hostRenames(const SchematicSnapshot& snapshot, const PassPlan& plan) {
    return HostOrder(snapshot, plan).run();
}

} // namespace sequate::engine
