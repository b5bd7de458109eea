#include "hostrenames.h"

#include "partname.h"
#include "passstop.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <unordered_map>
#include <unordered_set>

namespace sequate::engine {

namespace {

class HostOrder {
public:
    HostOrder(const SchematicSnapshot& snapshot, const PassPlan& plan)
        : mPlan(plan), mNames(snapshot.names) {
        for (std::size_t component = 0; component < mNames.size(); ++component) {
            mCarriers[mNames[component]].push_back(component);
            mTaken.insert(mNames[component]);
        }
        for (std::size_t step = 0; step < plan.renames.size(); ++step) {
            const PlannedRename& rename = plan.renames[step];
            mFinal[rename.component] = step;
        }
        for (const auto& [component, step] : mFinal)
            mTaken.insert(plan.renames[step].to);
    }

    std::vector<PlannedRename> run() {
        for (const auto& [component, step] : mFinal) {
            if (mPlan.renames[step].to != mNames[component]) {
                ++mPending;
                wait(component);
            }
        }
        while (mPending > 0) {
            if (mReady.empty())
                breakRing();
            const std::size_t component = mReady.top().second;
            mReady.pop();
            send(component, finalName(component));
            --mPending;
        }
        return std::move(mSent);
    }

private:
    using Entry = std::pair<std::size_t, std::size_t>; // step of the final name, component

    const std::string& finalName(std::size_t component) const {
        return mPlan.renames[mFinal.at(component)].to;
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
            mReady.push({mFinal.at(component), component});
    }

    void send(std::size_t component, const std::string& newName) {
        const std::string before = mNames[component];
        mSent.push_back({component, before, newName});
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
    // from the earliest until one comes round again, and move that one aside.
    void breakRing() {
        std::size_t earliest = 0;
        std::size_t earliestStep = mPlan.renames.size();
        for (const auto& [name, waiting] : mWaiting)
            for (std::size_t component : waiting)
                if (mFinal.at(component) < earliestStep) {
                    earliestStep = mFinal.at(component);
                    earliest = component;
                }
        std::unordered_set<std::size_t> seen;
        std::size_t component = earliest;
        while (seen.insert(component).second) {
            const auto& holders = mCarriers.at(finalName(component));
            const std::size_t holder =
                *std::find_if(holders.begin(), holders.end(),
                              [&](std::size_t other) { return other != component; });
            if (!mFinal.count(holder) || finalName(holder) == mNames[holder])
                throw PassStop(mNames[component] + " cannot be renamed to " + finalName(component) +
                               ": another component keeps that name.");
            component = holder;
        }
        send(component, temporaryName(component));
    }

    // A name the plan gave the component on its way, if no component carries it before or
    // after the pass, else the highest free number of its code.
    std::string temporaryName(std::size_t component) {
        for (const PlannedRename& rename : mPlan.renames)
            if (rename.component == component && !mTaken.count(rename.to))
                return take(rename.to);
        const std::string code = GetCode(mNames[component]);
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
    std::unordered_map<std::size_t, std::size_t> mFinal; // component -> step of its last rename
    std::unordered_map<std::string, std::vector<std::size_t>> mWaiting;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> mReady;
    std::size_t mPending = 0;
    std::vector<PlannedRename> mSent;
};

} // namespace

std::vector<PlannedRename> hostRenames(const SchematicSnapshot& snapshot, const PassPlan& plan) {
    return HostOrder(snapshot, plan).run();
}

} // namespace sequate::engine
