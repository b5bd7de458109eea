#include "passtexts.h"

#include "passsummary.h"

namespace sequate::ui {

namespace {

std::string choiceLine(const PassRequest& choice) {
    return describeMode(choice) + ", start from " + std::to_string(choice.start);
}

std::string ecoDestination(const PassRequest& choice) {
    if (choice.eco == engine::EcoDestination::None)
        return "not written (\"Write ECO file for PowerPCB\" is not ticked)";
    if (choice.eco == engine::EcoDestination::ChosenFile)
        return "\"Write only\": to a file you choose when the pass ends";
    return "\"Write and force read in PCB\": read into the layout open in PowerPCB";
}

std::string codeCounts(const std::vector<CodeCount>& counts) {
    std::string text = "Per letter code:";
    for (const CodeCount& count : counts) {
        text += "\n  " + (count.code.empty() ? std::string("(none)") : count.code) + ": " +
                std::to_string(count.renamed) + " renamed, " + std::to_string(count.kept) + " kept";
    }
    return text;
}

std::vector<NameRow> renamedThenKept(const PassSummary& summary) {
    std::vector<NameRow> rows = summary.renamed;
    rows.insert(rows.end(), summary.kept.begin(), summary.kept.end());
    return rows;
}

} // namespace

PreviewText previewText(const PassRequest& choice, const std::vector<std::string>& names,
                        const engine::PassPlan& plan) {
    const PassSummary summary = summarize(names, plan);
    PreviewText text;
    text.summary = choiceLine(choice);
    if (plan.stop) {
        text.summary += "\nRun would stop: " + *plan.stop;
    } else {
        text.summary +=
            "\n" + std::to_string(summary.renamed.size()) + " components get a new name";
        if (summary.throughTemporary > 0)
            text.summary += ", " + std::to_string(summary.throughTemporary) +
                            " of them by way of a temporary name";
        text.summary += "; " + std::to_string(summary.kept.size()) + " keep their names.";
    }
    text.summary += "\nECO file: " + ecoDestination(choice);
    text.codes = codeCounts(summary.perCode);
    text.rows = renamedThenKept(summary);
    text.canApply = !plan.stop;
    return text;
}

PassReport passReport(const PassRequest& choice, const std::string& when,
                      const engine::PassResult& result, const std::string& ecoWent) {
    PassReport report;
    std::string outcome;
    if (result.completed) {
        PassSummary summary = summarize(result.namesRead, result.applied);
        outcome = std::to_string(summary.renamed.size()) + " components got a new name; " +
                  std::to_string(summary.kept.size()) + " kept their names.";
        report.rows = renamedThenKept(summary);
    } else {
        outcome = "The pass stopped: " + result.stopMessage;
        for (const engine::Rename& rename : result.stillInEffect)
            report.rows.push_back({rename.before, rename.after, "still in effect"});
    }
    for (const std::string& name : result.unnamed)
        report.endsInLetter += name + "\r\n";
    report.summary =
        "Pass of " + when + ": " + choiceLine(choice) + "\n" + outcome + "\nECO file: " + ecoWent;
    return report;
}

std::string ecoWent(const host::EcoDelivery& delivery, const std::string& deliveredTo) {
    switch (delivery.outcome) {
    case host::EcoOutcome::Delivered:
        return deliveredTo;
    case host::EcoOutcome::FileLeftOver:
    case host::EcoOutcome::Unknown:
        return delivery.message;
    case host::EcoOutcome::Cancelled:
    case host::EcoOutcome::NotDelivered:
        break;
    }
    return ecoNotWritten;
}

std::string ecoWent(const std::optional<engine::EcoSent>& eco) {
    if (!eco)
        return ecoNotWritten;
    return ecoWent(eco->delivery, eco->destination == engine::EcoDestination::PowerPcb
                                      ? "read by the layout open in PowerPCB"
                                      : eco->path);
}

} // namespace sequate::ui
