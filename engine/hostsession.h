#pragma once

// What Sequate holds of the running PowerLogic between passes: the application, the document
// taken up at start-up, and the list chosen then. Owned by the window for the life of the
// process; a pass reads the rest afresh.

#include "host/powerlogic.h"
#include "host/runningobjects.h"
#include "journalstore.h"

#include <filesystem>
#include <memory>
#include <set>

namespace sequate::engine {

// Old program: the form's module-level state, with powerLogicApp and powerlogicdoc.
struct HostSession {
    std::shared_ptr<host::LogicApplication> application;
    // Replaced only with the application, when PowerLogic was closed and started again:
    // PowerLogic keeps one document object for whatever document it has open.
    std::shared_ptr<host::LogicDocument> document;
    std::shared_ptr<host::LogicObjects> workList;
    // Where start-up found PowerLogic, to find it again once it was closed and started anew.
    // Outlives the session.
    host::RunningObjects* objects = nullptr;
    // Where each pass keeps its journal on disk.
    std::filesystem::path journalFolder = defaultJournalFolder();
    // Journals of passes that ended settled but could be neither removed nor marked finished:
    // recovery leaves them alone for as long as this process runs.
    std::set<std::filesystem::path> settledJournals;
    // Renames a cut-short pass left that the user kept, still waiting for their ECO file: the
    // next Run hands it over first. Set by each recovery.
    std::size_t keptRenamesWaiting = 0;
};

} // namespace sequate::engine
