#include "simpowerpcb.h"

#include "callmeter.h"
#include "ecoreader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sequate::host::sim {

namespace {

struct PcbModel {
    std::optional<LayoutData> layout;
    std::vector<std::string> log;
    CallMeter meter;
};

using Model = std::shared_ptr<PcbModel>;

// PowerPCB is given Windows paths as well as local ones.
std::string fileNamePart(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void cannotRead(const std::string& path, int error) {
    throw HostFailure(HostCode::FileNotFound,
                      "cannot read \"" + path + "\": " + std::strerror(error));
}

std::string readWholeFile(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        cannotRead(path, errno);
    std::string text;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, got);
    if (std::ferror(file.get()))
        cannotRead(path, errno);
    return text;
}

LayoutData& requireLayout(PcbModel& impl) {
    if (!impl.layout)
        throw HostFailure(HostCode::NoProject, "no layout is open");
    return *impl.layout;
}

// Stands for whatever layout is open when it is called.
class SimPcbDocument : public PcbDocument {
public:
    explicit SimPcbDocument(Model model) : mModel(std::move(model)) {}

    void ReadEcoFile(const std::string& path) override {
        mModel->meter.run("PcbDocument.ReadEcoFile", [&] {
            auto& layout = requireLayout(*mModel);
            const std::string text = readWholeFile(path);
            const auto reading = applyEcoText(text, fileNamePart(path), layout.parts);
            mModel->log.insert(mModel->log.end(), reading.log.begin(), reading.log.end());
            if (reading.refusal)
                throw HostFailure(HostCode::Failed,
                                  *reading.refusal + "; nothing in the file was applied");
        });
    }

private:
    Model mModel;
};

class SimPcbApplication : public PcbApplication {
public:
    explicit SimPcbApplication(Model model) : mModel(std::move(model)) {}

    std::shared_ptr<PcbDocument> CurrentDocument() override {
        return mModel->meter.run("PcbApplication.CurrentDocument", [&] {
            requireLayout(*mModel);
            return std::make_shared<SimPcbDocument>(mModel);
        });
    }

private:
    Model mModel;
};

} // namespace

struct SimPowerPcb::Impl : PcbModel {};

SimPowerPcb::SimPowerPcb(std::optional<LayoutData> layout) : mImpl(std::make_shared<Impl>()) {
    mImpl->layout = std::move(layout);
}

SimPowerPcb::~SimPowerPcb() = default;

std::shared_ptr<PcbApplication> SimPowerPcb::application() {
    return std::make_shared<SimPcbApplication>(mImpl);
}

std::optional<LayoutData> SimPowerPcb::layout() const {
    return mImpl->layout;
}

void SimPowerPcb::setLayout(std::optional<LayoutData> layout) {
    mImpl->layout = std::move(layout);
}

const std::vector<std::string>& SimPowerPcb::log() const {
    return mImpl->log;
}

std::uint64_t SimPowerPcb::callCount() const {
    return mImpl->meter.count();
}

void SimPowerPcb::failCall(std::uint64_t k, HostCode code) {
    mImpl->meter.planFault(k, CallFault::Fails, code);
}

void SimPowerPcb::failCallAfterEffect(std::uint64_t k, HostCode code) {
    mImpl->meter.planFault(k, CallFault::FailsAfterEffect, code);
}

void SimPowerPcb::answerNoObjectAtCall(std::uint64_t k) {
    mImpl->meter.planFault(k, CallFault::AnswersNoObject, HostCode::Failed);
}

void SimPowerPcb::setCallObserver(std::function<void(const std::string& call)> observer) {
    mImpl->meter.setObserver(std::move(observer));
}

std::optional<LayoutData> startingLayout(const SimState& state) {
    if (state.layout)
        return state.layout;
    if (state.documents.empty())
        return std::nullopt;
    const DocumentData& open = state.documents.front();
    const std::string stem = open.name.substr(0, open.name.find('.'));
    LayoutData layout{(stem.empty() ? std::string("untitled") : stem) + ".pcb", {}};
    for (const auto& component : open.components)
        layout.parts.push_back(component.name);
    return layout;
}

} // namespace sequate::host::sim
