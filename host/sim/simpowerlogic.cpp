#include "simpowerlogic.h"

#include "logicmodel.h"
#include "logicobjects.h"

#include <stdexcept>

namespace sequate::host::sim {

struct SimPowerLogic::Impl : LogicModel {
    using LogicModel::LogicModel;
};

namespace {

// User actions are checked when the user makes them, against the document that will be open
// when they run: a mistake in a test shows at its own line, not at the end of a pass.
std::size_t plannedDocument(const LogicModel& model, const char* what) {
    const auto document = model.plannedOpen();
    if (!document)
        throw std::logic_error(std::string(what) + ": no document is open");
    return *document;
}

void checkComponent(const LogicModel& model, const char* what, std::size_t document,
                    std::size_t component) {
    const std::size_t size = model.documents()[document].components.size();
    if (component >= size)
        throw std::out_of_range(std::string(what) + ": no component " + std::to_string(component) +
                                " in a document of " + std::to_string(size));
}

} // namespace

SimPowerLogic::SimPowerLogic(std::vector<DocumentData> documents)
    : mImpl(std::make_shared<Impl>(std::move(documents))) {}

SimPowerLogic::~SimPowerLogic() = default;

std::shared_ptr<LogicApplication> SimPowerLogic::application() {
    return makeLogicApplication(mImpl);
}

void SimPowerLogic::openDocument(std::size_t index) {
    if (index >= mImpl->documents().size())
        throw std::out_of_range("openDocument: no document " + std::to_string(index));
    mImpl->planOpen(index);
    mImpl->userAction([impl = mImpl.get(), index] { impl->open(index); });
}

void SimPowerLogic::closeDocument() {
    mImpl->planOpen(std::nullopt);
    mImpl->userAction([impl = mImpl.get()] { impl->close(); });
}

void SimPowerLogic::setSelected(std::size_t component, bool selected) {
    const std::size_t document = plannedDocument(*mImpl, "setSelected");
    checkComponent(*mImpl, "setSelected", document, component);
    mImpl->userAction([impl = mImpl.get(), document, component, selected] {
        impl->setSelected({document, component}, selected);
    });
}

void SimPowerLogic::selectOnly(const std::vector<std::size_t>& components) {
    const std::size_t document = plannedDocument(*mImpl, "selectOnly");
    for (const std::size_t component : components)
        checkComponent(*mImpl, "selectOnly", document, component);
    mImpl->userAction([impl = mImpl.get(), document, components] {
        const std::size_t size = impl->documents()[document].components.size();
        std::vector<bool> chosen(size, false);
        for (const std::size_t component : components)
            chosen[component] = true;
        for (std::size_t component = 0; component < size; ++component)
            impl->setSelected({document, component}, chosen[component]);
    });
}

std::size_t SimPowerLogic::processEvents() {
    return mImpl->deliverEvents([impl = mImpl] { return makeLogicDocument(impl); });
}

std::optional<std::size_t> SimPowerLogic::openIndex() const {
    return mImpl->openIndex();
}

const std::vector<DocumentData>& SimPowerLogic::documents() const {
    return mImpl->documents();
}

std::vector<std::string> SimPowerLogic::openNames() const {
    std::vector<std::string> names;
    if (const auto open = mImpl->openIndex()) {
        for (const auto& component : mImpl->documents()[*open].components)
            names.push_back(component.name);
    }
    return names;
}

bool SimPowerLogic::passOpen() const {
    return mImpl->passOpen();
}

std::uint64_t SimPowerLogic::callCount() const {
    return mImpl->meter().count();
}

void SimPowerLogic::failCall(std::uint64_t k, HostCode code) {
    mImpl->meter().planFault(k, CallFault::Fails, code);
}

void SimPowerLogic::failCallAfterEffect(std::uint64_t k, HostCode code) {
    mImpl->meter().planFault(k, CallFault::FailsAfterEffect, code);
}

void SimPowerLogic::answerNoObjectAtCall(std::uint64_t k) {
    mImpl->meter().planFault(k, CallFault::AnswersNoObject, HostCode::Failed);
}

void SimPowerLogic::planFault(std::uint64_t k, CallFault fault, HostCode code) {
    mImpl->meter().planFault(k, fault, code);
}

void SimPowerLogic::clearFaults() {
    mImpl->meter().clearFaults();
}

void SimPowerLogic::setCallObserver(std::function<void(const std::string& call)> observer) {
    mImpl->meter().setObserver(std::move(observer));
}

} // namespace sequate::host::sim
