#include "hostfailuretexts.h"

namespace sequate::ui {

std::string describeFailure(const engine::HostFault& fault) {
    std::string text;
    switch (fault.code) {
    case host::HostCode::NotRunning:
    case host::HostCode::ServerUnavailable:
        // It cannot have reported anything: it is gone.
        text = "PowerLogic is no longer there to answer";
        break;
    case host::HostCode::Timeout:
        text = "PowerLogic did not answer in time";
        break;
    case host::HostCode::NoProject:
        text = "PowerLogic has no project open";
        break;
    default:
        text = "PowerLogic refused the call";
        break;
    }
    text += " (error " + host::codeText(fault.code);
    if (!fault.detail.empty())
        text += ": " + fault.detail;
    return text + ")";
}

std::string stoppedBy(const std::string& words, const std::optional<engine::HostFault>& fault) {
    if (!fault)
        return words;
    if (words.empty())
        return describeFailure(*fault) + ".";
    return words + ": " + describeFailure(*fault) + ".";
}

std::string schematicUnreachable(const engine::HostFault& fault) {
    switch (fault.code) {
    case host::HostCode::NoProject:
        return "PowerLogic has no schematic open. Open the project in PowerLogic, then press Run "
               "again.";
    case host::HostCode::NotRunning:
    case host::HostCode::ServerUnavailable:
    case host::HostCode::Timeout:
        return "PowerLogic does not answer: it may have been closed, or be busy. If it was "
               "closed, start PowerLogic with the project open; Sequate finds it again when you "
               "press Run. " +
               describeFailure(fault) + ".";
    default:
        return "Sequate could not read the schematic's name from PowerLogic: " +
               describeFailure(fault) + ".";
    }
}

std::string passLockText(const engine::PassLockNews& news) {
    std::string text;
    if (news.closedEarlierPass)
        text = "PowerLogic still had a pass open that an earlier run could not end, which held "
               "back your edits in PowerLogic. Sequate has closed it.";
    if (news.notEnded) {
        if (!text.empty())
            text += "\n\n";
        text += "PowerLogic could not end the pass: " + describeFailure(*news.notEnded) + ".";
    }
    return text;
}

std::string undoFailureText(const engine::Rename& rename, const engine::HostFault& fault) {
    return rename.after + " could not get back its name " + rename.before + ": " +
           describeFailure(fault);
}

} // namespace sequate::ui
