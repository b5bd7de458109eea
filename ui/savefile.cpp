#include "savefile.h"

#include "eco/atomicfile.h"
#include "eco/ecofiledialog.h"
#include "eco/ecofilename.h"
#include "eco/ecotext.h"
#include "ecotexts.h"
#include "engine/passports.h"

namespace sequate::ui {

namespace {

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
    // The writer's problems are an ECO file's: for a list only the reason is told.
    try {
        eco::writeFileAtomically(*path, rowsAsCsv(rows));
    } catch (const eco::EcoError& failure) {
        dialog.showMessage(csvNotSaved(*path, fileProblemReason(failure.problem())));
    } catch (const std::exception& failure) {
        dialog.showMessage(csvNotSaved(*path, failure.what()));
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
    } catch (const eco::EcoError& failure) {
        dialog.showMessage(planNotSaved(ecoProblemText(failure.problem())));
    } catch (const std::exception& failure) {
        dialog.showMessage(planNotSaved(failure.what()));
    }
}

std::string planFileNameFor(const std::string& schematicName) {
    const std::string passFile = eco::ecoFileNameFor(schematicName);
    return eco::ecoFileNameFor(passFile.substr(0, passFile.size() - 4) + "-plan");
}

} // namespace sequate::ui
