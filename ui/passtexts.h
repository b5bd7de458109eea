#pragma once

// The words of the preview and of the report of the last pass: one builder for both, from the
// choice the pass was made with and what the engine read, planned or did.

#include "engine/numberingpass.h"
#include "engine/putbacklastpass.h"
#include "host/ecodelivery.h"
#include "namerows.h"
#include "passchoice.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::ui {

struct PreviewText {
    std::string summary; // the choice, what Run would do, where the ECO file goes
    std::string codes;   // the counts per letter code, one paragraph
    std::vector<NameRow> rows;
    bool canApply = false; // false when Run would stop
};

// Old program: frmNotChanged and naytaNimeamattomat, which listed only the names kept because
// they end in a letter.
struct PassReport {
    std::string summary = "No pass has been made yet.";
    std::vector<NameRow> rows; // the renames, then the names kept
    std::string endsInLetter;  // the names kept because they end in a letter, one line each
                               // ending in CR LF
};

PreviewText previewText(const PassRequest& choice, const std::vector<std::string>& names,
                        const engine::PassPlan& plan);
// The preview of the plan Apply found instead of the one shown, which it did not run.
PreviewText changedPlanText(const PassRequest& choice, const std::vector<std::string>& names,
                            const engine::PassPlan& plan);
// `when` is the local time the pass ended; `ecoWent` where its ECO file went.
PassReport passReport(const PassRequest& choice, const std::string& when,
                      const engine::PassOutcome& outcome, const std::string& ecoWent);

// The line under the progress bar after a pass: what it changed and where its ECO file went,
// or why nothing changed. The report of the pass tells it in full.
std::string accountLine(const engine::PassOutcome& outcome);

// The line under the progress bar after Pass > Put back the last pass.
std::string putBackAccount(const engine::PutBackOutcome& outcome);
// The line under the progress bar while renames kept from a pass that was cut short wait for
// their ECO file, and while a Run hands it over before the pass it was pressed for.
std::string keptRenamesWaitingLine(std::size_t renames);
std::string writingKeptRenamesLine();

// For the report: `deliveredTo` when the file arrived, the reason it is somewhere else, or
// "not written".
std::string ecoWent(const host::EcoDelivery& delivery, const std::string& deliveredTo);
// The same for the ECO step of a pass, or "not written" when it had none.
std::string ecoWent(const std::optional<engine::EcoSent>& eco);
inline constexpr const char* ecoNotWritten = "not written";

} // namespace sequate::ui
