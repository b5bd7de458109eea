#pragma once

// Saving what a list window shows: the rows as CSV (the report and the preview alike) and the
// previewed plan as the ECO file the pass would write. Each is written whole or not at all, by
// the ECO library's writer; a view only shows the save dialog and the message.

#include "dialogtexts.h"
#include "engine/rename.h"
#include "namerows.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::ui {

// The save dialog and the message box of the window that saves.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The save dialog with a filter as Sequate writes it (fileTypes, filefilter.h) and, unless
    // empty, a file name to offer, in the folder the dialog opens at anyway; no extension is
    // added to what the user types. Empty on Cancel.
    virtual std::optional<std::string> chooseFile(const std::string& filter,
                                                  const std::string& suggestedName) = 0;
    virtual void showMessage(const Message& message) = 0;
};

inline constexpr const char* csvFileFilter = "CSV files (*.csv)";

// "Old name", "New name", "Note" and a row a line (rowsAsCsv).
void saveRowsAsCsv(SaveDialog& dialog, const std::vector<NameRow>& rows);

// The ECO file of the renames, byte for byte what a pass with "Write only" writes for them,
// asked for with the same file type. Names the file cannot carry are said before the dialog.
void savePlanAsEco(SaveDialog& dialog, const std::vector<engine::Rename>& renames,
                   const std::string& schematicName);

// The name the ECO file of a plan is offered under: the schematic's ECO file name
// (eco::ecoFileNameFor) with "-plan" before ".eco", so that it is not taken for a pass's file.
std::string planFileNameFor(const std::string& schematicName);

} // namespace sequate::ui
