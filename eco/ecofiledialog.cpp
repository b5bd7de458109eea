#include "ecofiledialog.h"

#include "atomicfile.h"
#include "ecoerror.h"
#include "ecotext.h"

namespace sequate::eco {

namespace {

host::EcoDelivery notWritten(host::EcoProblem problem) {
    host::EcoDelivery delivery(host::EcoOutcome::NotDelivered);
    delivery.problem = std::move(problem);
    return delivery;
}

} // namespace

host::EcoDelivery writeEcoFile(const std::vector<std::string>& oldNames,
                               const std::vector<std::string>& newNames, EcoUi& ui,
                               const std::function<void(const std::string&)>& beforeWrite,
                               const std::string& caption) {
    try {
        // Names the file cannot carry are refused before the user is asked for a file.
        const std::string text = ecoText(oldNames, newNames);
        const auto chosen = caption.empty() ? ui.chooseSaveFile(ecoFileFilter)
                                            : ui.chooseSaveFile(ecoFileFilter, caption);
        // Some dialogs give an empty name for Cancel.
        if (!chosen || chosen->empty())
            return {host::EcoOutcome::Cancelled};
        if (beforeWrite)
            beforeWrite(*chosen);
        writeFileAtomically(*chosen, text);
        return {host::EcoOutcome::Delivered};
    } catch (const EcoError& e) {
        return notWritten(e.problem());
    } catch (const std::exception& e) {
        return notWritten({host::EcoStageFailed{host::EcoStage::ChosenFile, e.what(), {}}});
    }
}

} // namespace sequate::eco
