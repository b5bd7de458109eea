#include "savefile.h"

#include "eco/atomicfile.h"
#include "eco/ecofiledialog.h"
#include "eco/ecofilename.h"
#include "eco/ecotext.h"
#include "engine/passports.h"

namespace sequate::ui {

namespace {

// The writer words its failures for an ECO file: for a list only the reason is kept.
std::string reasonIn(const std::string& failure, const std::string& path) {
    const std::string opening = "Cannot write the ECO file \"" + path + "\": ";
    std::string reason = failure.rfind(opening, 0) == 0 ? failure.substr(opening.size()) : failure;
    if (!reason.empty() && reason.back() == '.')
        reason.pop_back();
    return reason;
}

// Some dialogs give an empty name for Cancel.
std::optional<std::string> chosenPath(SaveDialog& dialog, const std::string& filter,
                                      const std::string& suggestedName) {
    std::optional<std::string> path = dialog.chooseFile(filter, suggestedName);
    if (path && path->empty())
        return std::nullopt;
    return path;
}

} // namespace

void saveRowsAsCsv(SaveDialog& dialog, const std::vector<NameRow>& rows) {
    const std::optional<std::string> path = chosenPath(dialog, csvFileFilter, {});
    if (!path)
        return;
    try {
        eco::writeFileAtomically(*path, rowsAsCsv(rows));
    } catch (const std::exception& failure) {
        dialog.showMessage(csvNotSaved(*path, reasonIn(failure.what(), *path)));
    }
}

void savePlanAsEco(SaveDialog& dialog, const std::vector<engine::Rename>& renames,
                   const std::string& schematicName) {
    engine::EcoRows rows;
    rows.renames = renames;
    try {
        const std::string text = eco::ecoText(rows.oldNames(), rows.newNames());
        const std::optional<std::string> path =
            chosenPath(dialog, eco::ecoFileFilter, planFileNameFor(schematicName));
        if (path)
            eco::writeFileAtomically(*path, text);
    } catch (const std::exception& failure) {
        dialog.showMessage(planNotSaved(failure.what()));
    }
}

std::string planFileNameFor(const std::string& schematicName) {
    const std::string passFile = eco::ecoFileNameFor(schematicName);
    return eco::ecoFileNameFor(passFile.substr(0, passFile.size() - 4) + "-plan");
}

} // namespace sequate::ui
