#include "journalclaims.h"

#include <algorithm>
#include <system_error>

namespace sequate::engine {

namespace fs = std::filesystem;

Names namesBefore(const RenameJournal& journal, const Names& now) {
    if (!journal.namesBefore.empty())
        return journal.namesBefore;
    Names before = now;
    std::set<ComponentIndex> seen;
    for (const Rename& rename : journal.renames)
        if (seen.insert(rename.component).second)
            before[rename.component.value()] = rename.before;
    return before;
}

Names namesAfter(const RenameJournal& journal, const Names& now) {
    return namesAfter(namesBefore(journal, now), journal.renames);
}

namespace {

// Which names the journal explains, component by component.
class Explanation {
public:
    Explanation(const RenameJournal& journal, const Names& now)
        : mBefore(namesBefore(journal, now)), mGiven(now.size()) {
        for (const Rename& rename : journal.renames)
            mGiven[rename.component.value()].insert(rename.after);
    }

    bool explains(std::size_t component, const std::string& name) const {
        return name == mBefore[component] || mGiven[component].count(name) > 0;
    }

    std::size_t unexplained(const Names& names) const {
        std::size_t count = 0;
        for (std::size_t i = 0; i < names.size(); ++i)
            count += !explains(i, names[i]);
        return count;
    }

private:
    Names mBefore;
    std::vector<std::set<std::string>> mGiven;
};

const char* whatItWas(JournalKind kind) {
    switch (kind) {
    case JournalKind::PutBack:
        return "a put-back of a pass";
    case JournalKind::Keep:
        return "the renames kept from a pass";
    case JournalKind::Pass:
        break;
    }
    return "a pass";
}

std::string setAside(const fs::path& path, const RenameJournal& journal) {
    const fs::path aside = path.string() + ".set-aside";
    const std::string design = journal.document.empty() ? "this schematic" : journal.document;
    std::error_code error;
    fs::rename(path, aside, error);
    if (error)
        throw JournalError("The journal \"" + path.string() + "\" of " + whatItWas(journal.kind) +
                           " on " + design +
                           " that was cut short would take the names this pass gives for its "
                           "own, and it could not be set aside: " +
                           error.message() + ". Move it out of its folder, then press Run again.");
    return "Sequate has set aside the journal of " + std::string(whatItWas(journal.kind)) + " on " +
           design + " that was cut short, with " + std::to_string(journal.renames.size()) +
           " renames, as \"" + aside.string() +
           "\": the names the schematic is given now are ones that journal would take for its "
           "own, and a later Run would have put them back. If another copy of " +
           design + " still carries that pass's renames, that file lists them.";
}

} // namespace

bool belongsTo(const RenameJournal& journal, const Names& now) {
    return now.size() == journal.components && Explanation(journal, now).unexplained(now) == 0;
}

bool atRest(const RenameJournal& journal, const Names& now) {
    // The layout may lack what the schematic has: a file it was to read, or one still to write.
    if (journal.handedOver == HandOver::Layout ||
        (journal.handedOver == HandOver::File && journal.kind == JournalKind::PutBack))
        return false;
    switch (journal.kind) {
    case JournalKind::PutBack:
        return now == namesAfter(journal, now);
    case JournalKind::Keep:
    case JournalKind::Pass:
        break;
    }
    return now == namesBefore(journal, now);
}

bool wouldClaim(const RenameJournal& journal, const Names& now,
                const std::vector<Rename>& renames) {
    if (now.size() != journal.components)
        return false;
    const Explanation explanation(journal, now);
    Names names = now;
    std::size_t unexplained = explanation.unexplained(names);
    if (renames.empty())
        return unexplained == 0 && !atRest(journal, names);
    // Counted as the renames go, so that every step of a long pass costs little.
    for (const Rename& rename : renames) {
        const std::size_t i = rename.component.value();
        unexplained -= !explanation.explains(i, names[i]);
        names[i] = rename.after;
        unexplained += !explanation.explains(i, names[i]);
        if (unexplained == 0 && !atRest(journal, names))
            return true;
    }
    return false;
}

std::string setAsideJournalsClaiming(const fs::path& folder, const std::string& document,
                                     const Names& now, const std::vector<Rename>& renames,
                                     const std::set<fs::path>& leave) {
    std::string told;
    for (const fs::path& path : journalsOf(folder, document)) {
        if (leave.count(path))
            continue;
        RenameJournal journal;
        try {
            journal = readJournal(path);
        } catch (const JournalError&) {
            continue; // recovery sets it aside, with its own message
        }
        if (journal.document != document || !wouldClaim(journal, now, renames))
            continue;
        told += (told.empty() ? "" : "\n\n") + setAside(path, journal);
    }
    return told;
}

std::optional<EcoRows> probeRows(const Names& from, const Names& to) {
    const std::set<std::string> toNames(to.begin(), to.end());
    std::set<std::string> taken(from.begin(), from.end());
    taken.insert(to.begin(), to.end());
    std::set<std::string> probed;
    std::vector<Rename> there;
    std::vector<Rename> back;
    int spares = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (toNames.count(from[i]) || !probed.insert(from[i]).second)
            continue;
        std::string spare;
        do
            spare = "SQPROBE" + std::to_string(++spares);
        while (taken.count(spare));
        there.push_back({ComponentIndex(i), from[i], spare});
        back.push_back({ComponentIndex(i), spare, from[i]});
    }
    if (there.empty())
        return std::nullopt;
    EcoRows rows;
    rows.renames = std::move(there);
    rows.renames.insert(rows.renames.end(), back.begin(), back.end());
    rows.refusalTells = true;
    return rows;
}

} // namespace sequate::engine
