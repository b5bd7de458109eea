#pragma once

// The ECO memory: the names the writer has met so far in one pass over the rows. A hash set,
// so that each look-up costs the same however many rows a pass renamed.

#include <string_view>
#include <unordered_set>

namespace sequate::eco {

// Holds views: the names it remembers must outlive it.
class EcoMemory {
public:
    // Old program: checkEcomuisti.
    bool remembers(std::string_view name) const { return mNames.contains(name); }
    void remember(std::string_view name) { mNames.insert(name); }

private:
    std::unordered_set<std::string_view> mNames;
};

} // namespace sequate::eco
