#include "recovery.h"

#include "applyrenames.h"
#include "hostpass.h"
#include "hostrenames.h"
#include "passstop.h"
#include "renamejournal.h"
#include "required.h"
#include "workinglist.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace sequate::engine {

namespace {

namespace fs = std::filesystem;

struct DocumentRead {
    std::vector<std::string> names;
    std::vector<std::shared_ptr<host::LogicComponent>> components;
};

class Recovery {
public:
    Recovery(HostSession& state, FormWindow& window, std::optional<RecoveryChoice> choice)
        : mState(state), mWindow(window), mChoice(choice) {}

    RecoveryOutcome run() {
        if (!mState.application || !mState.document)
            return {};
        try {
            return recover();
        } catch (const host::HostFailure& failure) {
            return tell("Sequate could not settle the pass that was cut short: " +
                        describeFailure(failure) +
                        ". Its journal stays, so the next Run offers it again.");
        } catch (const std::exception& problem) {
            return tell(std::string("Sequate could not settle the pass that was cut short: ") +
                        problem.what() + " Its journal stays, so the next Run offers it again.");
        }
    }

private:
    RecoveryOutcome recover() {
        const std::string document = mState.document->Name();
        mPath = journalPath(mState.journalFolder, document);
        if (!fs::exists(mPath))
            return {};
        RenameJournal journal;
        try {
            journal = readJournal(mPath);
        } catch (const JournalError& error) {
            return tell(std::string(error.what()) + setAside());
        }
        if (journal.finished)
            return {};
        mOutcome.found = true;
        HostPass pass(*mState.application, mWindow);
        pass.begin();
        const DocumentRead read = readDocument();
        const auto inEffect = renamesInEffect(journal, read.names);
        if (!inEffect)
            return tell(mMismatch + setAside());
        if (inEffect->empty()) {
            finishJournal(mPath);
            return mOutcome;
        }
        const RecoveryChoice choice = mChoice.value_or(ask(journal, *inEffect, document));
        if (choice == RecoveryChoice::PutBack)
            putBack(journal, *inEffect, read);
        else
            for (std::size_t index : *inEffect)
                mOutcome.staying.emplace_back(journal.renames[index].from,
                                              journal.renames[index].to);
        finishJournal(mPath);
        pass.end();
        mOutcome.done = choice;
        offerEco();
        return mOutcome;
    }

    DocumentRead readDocument() {
        auto list = allComponents(*mState.document);
        DocumentRead read;
        const std::int32_t count = list->Count();
        for (std::int32_t i = 1; i <= count; ++i) {
            auto component =
                required(list->Item(i), "LogicObjects.Item(" + std::to_string(i) + ")");
            read.names.push_back(component->Name());
            read.components.push_back(std::move(component));
        }
        return read;
    }

    // The journal's renames that are in effect, in the order made; none when the schematic is
    // not as the journal left it. A component's renames were made in order, so its name tells
    // how many of them took effect.
    std::optional<std::vector<std::size_t>> renamesInEffect(const RenameJournal& journal,
                                                            const std::vector<std::string>& names) {
        if (names.size() != journal.components) {
            mMismatch = "The schematic has " + std::to_string(names.size()) +
                        " components, but the journal of its last pass was written for " +
                        std::to_string(journal.components) + ".";
            return std::nullopt;
        }
        std::map<std::size_t, std::vector<std::size_t>> byComponent;
        for (std::size_t i = 0; i < journal.renames.size(); ++i)
            byComponent[journal.renames[i].component].push_back(i);
        std::vector<std::size_t> inEffect;
        for (const auto& [component, renames] : byComponent) {
            const std::string& now = names[component - 1];
            std::size_t made = renames.size() + 1;
            if (now == journal.renames[renames.front()].from)
                made = 0;
            for (std::size_t k = 0; k < renames.size() && made > renames.size(); ++k)
                if (journal.renames[renames[k]].to == now)
                    made = k + 1;
            if (made > renames.size()) {
                mMismatch = "Component " + std::to_string(component) + " of the schematic is " +
                            now + ", a name the journal of its last pass never gave it.";
                return std::nullopt;
            }
            inEffect.insert(inEffect.end(), renames.begin(), renames.begin() + made);
        }
        std::sort(inEffect.begin(), inEffect.end());
        return inEffect;
    }

    RecoveryChoice ask(const RenameJournal& journal, const std::vector<std::size_t>& inEffect,
                       const std::string& document) {
        std::string question = "The last pass on " +
                               (document.empty() ? "this schematic" : document) +
                               " was cut short: " + std::to_string(inEffect.size()) + " of its " +
                               std::to_string(journal.renames.size()) +
                               " renames are in effect, and the layout has none of them.\n\n"
                               "Put the schematic back as it was before that pass? Keeping it "
                               "as it is offers an ECO file of the renames in effect.";
        return mWindow.putBackUnfinishedPass(question) ? RecoveryChoice::PutBack
                                                       : RecoveryChoice::Keep;
    }

    void putBack(const RenameJournal& journal, const std::vector<std::size_t>& inEffect,
                 const DocumentRead& read) {
        SchematicSnapshot now;
        now.names = read.names;
        PassPlan back;
        std::map<std::size_t, std::string> original;
        for (std::size_t index : inEffect)
            original.try_emplace(journal.renames[index].component - 1, journal.renames[index].from);
        for (const auto& [component, name] : original)
            back.renames.push_back({component, read.names[component], name});
        PassJournal undo;
        std::string activity;
        try {
            applyRenames({read.components, undo, nullptr}, hostRenames(now, back),
                         mWindow.progressBar(), activity);
        } catch (const PassStop& stop) {
            throw PassStop("putting the names back stopped while " + activity + ": " + stop.what());
        }
        mWindow.progressBar().setValue(0);
        tell("The " + std::to_string(inEffect.size()) +
             " renames of the pass that was cut short were undone: every name is as it was "
             "before that pass.");
    }

    void offerEco() {
        if (mOutcome.staying.empty())
            return;
        EcoRows rows;
        for (const auto& [from, to] : mOutcome.staying) {
            rows.oldNames.push_back(from);
            rows.newNames.push_back(to);
        }
        const host::EcoDelivery delivery = mWindow.writeEcoFile(rows);
        if (delivery.outcome == host::EcoOutcome::NotDelivered)
            tell(delivery.message);
    }

    // A journal that cannot be used is moved aside, not deleted: it may still help by hand.
    std::string setAside() {
        const fs::path aside = mPath.string() + ".set-aside";
        std::error_code error;
        fs::rename(mPath, aside, error);
        if (error)
            return " It could not be set aside: " + error.message() + ".";
        return " Sequate has set it aside as \"" + aside.string() +
               "\" and leaves the names as "
               "they are.";
    }

    RecoveryOutcome tell(const std::string& message) {
        mOutcome.found = true;
        mOutcome.message += (mOutcome.message.empty() ? "" : "\n\n") + message;
        mWindow.showMessage(MessageStyle::Critical, "Sequate", message);
        return mOutcome;
    }

    HostSession& mState;
    FormWindow& mWindow;
    const std::optional<RecoveryChoice> mChoice;
    fs::path mPath;
    std::string mMismatch;
    RecoveryOutcome mOutcome;
};

} // namespace

RecoveryOutcome recoverUnfinishedPass(HostSession& state, FormWindow& window,
                                      std::optional<RecoveryChoice> choice) {
    return Recovery(state, window, choice).run();
}

} // namespace sequate::engine
