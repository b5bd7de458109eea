#include "headlesswindow.h"

#include <stdexcept>

namespace sequate::engine {

namespace {

PassRequest acceptedRequest(const RequestOrRefusal& made, const std::string& start) {
    if (!made.request)
        throw std::invalid_argument("the start text \"" + start + "\" is refused");
    return *made.request;
}

} // namespace

void HeadlessProgress::progressed(ProgressPhase, long long done, long long) {
    shown(done);
}

void HeadlessProgress::progressEnded() {
    shown(0);
}

void HeadlessProgress::shown(long long value) {
    mHistory.push_back(value);
    if (stopOnceSet && mHistory.size() >= *stopOnceSet)
        mStop.requestStop();
}

PassRequest allComponentsRequest(const std::string& start, EcoDestination eco) {
    return acceptedRequest(requestPass(PassScope::AllComponents, TakenNamePolicy::None, start, eco),
                           start);
}

PassRequest selectedComponentsRequest(const std::string& start, bool renameDuplicates,
                                      EcoDestination eco) {
    const TakenNamePolicy policy =
        renameDuplicates ? TakenNamePolicy::RenameDuplicates : TakenNamePolicy::AssignNextFree;
    return acceptedRequest(requestPass(PassScope::SelectedComponents, policy, start, eco), start);
}

host::EcoDelivery HeadlessWindow::writeToChosenFile(const engine::EcoRows& rows) {
    ++fileDialogs;
    ecoRows = rows.renames;
    return delivery;
}

host::EcoDelivery HeadlessWindow::handToPowerPcb(host::LogicApplication&,
                                                 const engine::EcoRows& rows) {
    ++pcbHandOffs;
    ecoRows = rows.renames;
    return delivery;
}

void HeadlessWindow::showMessage(engine::MessageKind kind, const std::string& title,
                                 const std::string& text) {
    messages.push_back({kind, title, text});
}

} // namespace sequate::engine
