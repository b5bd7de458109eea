#pragma once

// The working state of the main window: the two host references, the working list and the
// name tables of a numbering pass. One object, owned by the window for the life of the
// process. Tables grow as needed; the end of a table is its size.

#include "host/powerlogic.h"
#include "renamejournal.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sequate::engine {

struct SortedRow {
    std::string name;
    std::string first;  // first coordinate, as text
    std::string second; // second coordinate, as text

    bool operator==(const SortedRow&) const = default;
};

struct FormState {
    std::shared_ptr<host::LogicApplication> powerLogicApp;
    std::shared_ptr<host::LogicDocument> powerlogicdoc;
    // Where each pass keeps its journal on disk.
    std::filesystem::path journalFolder = defaultJournalFolder();

    std::shared_ptr<host::LogicObjects> workList;
    std::shared_ptr<host::LogicComponent> currentComponent;
    std::shared_ptr<host::LogicComponent> duplicateComponent;
    std::string currentName;

    std::vector<std::string> allNames;
    std::vector<std::string> selectedNames;
    std::vector<SortedRow> sortedNames; // not emptied by clearPassTables
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    std::vector<std::string> ecoNames;
    std::vector<std::string> unnamedNames;

    std::int64_t listPosition = 0; // 1-based, in the list being walked
    std::int64_t codeOffset = 0;
    std::int64_t selectedDone = 0;
    bool numberMissing = false; // set by numberPart, cleared by AssignNext only

    // A rename's record for the ECO file: the name before (old program: TallennaMuuttamaton)
    // and after (old program: TallennaMuutettu).
    void recordOldName(const std::string& component);
    void recordNewName(const std::string& component);
    // Resets the counters and empties every table but sortedNames; numberMissing stays.
    // Old program: tyhjenna.
    void clearPassTables();
};

} // namespace sequate::engine
