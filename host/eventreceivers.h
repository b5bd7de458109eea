#pragma once

// The receivers advised for a notification, and the notification handed to each of them. A
// receiver may unadvise itself, or another one, from inside its handler: one unadvised so is
// not told after that, and the others still are. The COM sink, the D-Bus listener, the
// in-memory PowerLogic and the COM simulator's connection point each keep theirs in one.

#include <algorithm>
#include <vector>

namespace sequate::host {

template <typename Receiver>
class EventReceivers {
public:
    // False, and nothing changes, when it is advised already: a receiver is told once.
    bool add(const Receiver& receiver) {
        if (contains(receiver))
            return false;
        mReceivers.push_back(receiver);
        return true;
    }
    // False when it was not advised.
    bool remove(const Receiver& receiver) { return std::erase(mReceivers, receiver) > 0; }
    void clear() { mReceivers.clear(); }

    bool contains(const Receiver& receiver) const {
        return std::find(mReceivers.begin(), mReceivers.end(), receiver) != mReceivers.end();
    }
    bool empty() const { return mReceivers.empty(); }
    // In the order they were advised.
    const std::vector<Receiver>& all() const { return mReceivers; }

    // Calls tell(receiver) for every receiver advised when the notification began and still
    // advised when its turn comes.
    template <typename Tell>
    void notify(Tell&& tell) const {
        const std::vector<Receiver> advised = mReceivers;
        for (const Receiver& receiver : advised) {
            if (contains(receiver))
                tell(receiver);
        }
    }

private:
    std::vector<Receiver> mReceivers;
};

} // namespace sequate::host
