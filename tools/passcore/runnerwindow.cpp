#include "runnerwindow.h"

#include "ui/ecotexts.h"
#include "ui/hostfailuretexts.h"
#include "ui/recoverytexts.h"

namespace sequate::tools {

RunnerWindow::RunnerWindow(host::RunningObjects& objects, std::optional<std::string> ecoFile,
                           const std::string& program)
    : mEcoFile(std::move(ecoFile)),
      mStep(mEcoFile ? eco::EcoStep(objects, static_cast<eco::EcoUi&>(*this), ui::ecoProblemText)
                     : eco::EcoStep(objects, program, ui::ecoProblemText)) {
    useEcoStep(mStep);
}

void RunnerWindow::tellOfRecovery(const engine::RecoveryMessage& message) {
    HeadlessWindow::tellOfRecovery(message);
    const ui::Message shown = ui::recoveryMessage(message);
    showMessage(shown.kind, shown.title, shown.text);
}

void RunnerWindow::tellOfPassLock(const engine::PassLockNews& news) {
    HeadlessWindow::tellOfPassLock(news);
    showMessage(engine::MessageKind::Failure, "Sequate", ui::passLockText(news));
}

} // namespace sequate::tools
