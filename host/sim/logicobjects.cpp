#include "logicobjects.h"

#include "logicmodel.h"

#include <limits>
#include <utility>

namespace sequate::host::sim {

namespace {

using Model = std::shared_ptr<LogicModel>;

std::int32_t hostCount(std::size_t size) {
    return size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(size);
}

// Index checks as PowerLogic makes them: an empty list answers "no project", which is how the
// start-up probe learns that a document has no components.
void checkIndex(const char* call, std::int32_t index, std::size_t size, HostCode emptyCode) {
    if (index >= 1 && static_cast<std::size_t>(index) <= size)
        return;
    const auto where = std::string(call) + "(" + std::to_string(index) + "): ";
    if (size == 0)
        throw HostFailure(emptyCode, where + "the list is empty");
    throw HostFailure(HostCode::BadIndex, where + "index out of range 1.." + std::to_string(size));
}

class SimPlacement : public LogicPlacement {
public:
    explicit SimPlacement(Model model, PlacementData data)
        : mModel(std::move(model)), mData(data) {}

    // Only the document's own units (0) are ever asked for; the simulator has no others.
    double FirstCoordinate(std::int32_t) override {
        return mModel->meter().run("LogicPlacement.FirstCoordinate", [&] { return mData.x; });
    }
    double SecondCoordinate(std::int32_t) override {
        return mModel->meter().run("LogicPlacement.SecondCoordinate", [&] { return mData.y; });
    }

private:
    Model mModel;
    PlacementData mData;
};

class SimPlacements : public LogicPlacements {
public:
    SimPlacements(Model model, ComponentRef ref) : mModel(std::move(model)), mRef(ref) {}

    std::int32_t Count() override {
        return mModel->meter().run("LogicPlacements.Count",
                                   [&] { return hostCount(placements().size()); });
    }
    std::shared_ptr<LogicPlacement> Item(std::int32_t index) override {
        return mModel->meter().run("LogicPlacements.Item", [&] {
            checkIndex("LogicPlacements.Item", index, placements().size(), HostCode::BadIndex);
            return std::make_shared<SimPlacement>(mModel, placements()[index - 1]);
        });
    }

private:
    const std::vector<PlacementData>& placements() const {
        return mModel->component(mRef).placements;
    }

    Model mModel;
    ComponentRef mRef;
};

class SimComponent : public LogicComponent {
public:
    SimComponent(Model model, ComponentRef ref) : mModel(std::move(model)), mRef(ref) {}

    std::string Value() override {
        return mModel->meter().run("LogicComponent.Value",
                                   [&] { return mModel->component(mRef).name; });
    }
    std::string Name() override {
        return mModel->meter().run("LogicComponent.Name",
                                   [&] { return mModel->component(mRef).name; });
    }
    void SetName(const std::string& name) override {
        mModel->meter().run("LogicComponent.SetName", [&] { mModel->rename(mRef, name); });
    }
    bool Selected() override {
        return mModel->meter().run("LogicComponent.Selected",
                                   [&] { return mModel->component(mRef).selected; });
    }
    std::shared_ptr<LogicPlacements> Placements() override {
        return mModel->meter().run("LogicComponent.Placements",
                                   [&] { return std::make_shared<SimPlacements>(mModel, mRef); });
    }

private:
    Model mModel;
    ComponentRef mRef;
};

// Which components a list holds is fixed when it is fetched; lists always come in document
// order, so the first carrier of a name that the list holds is also the first in list order.
class SimObjects : public LogicObjects {
public:
    SimObjects(Model model, std::size_t document, std::vector<std::size_t> members)
        : mModel(std::move(model)), mDocument(document), mMembers(std::move(members)),
          mPositionOf(mModel->documents()[document].components.size(), notHeld) {
        for (std::size_t position = 0; position < mMembers.size(); ++position)
            mPositionOf[mMembers[position]] = position;
    }

    std::int32_t Count() override {
        return mModel->meter().run("LogicObjects.Count",
                                   [&] { return hostCount(mMembers.size()); });
    }
    std::shared_ptr<LogicComponent> Item(std::int32_t index) override {
        return mModel->meter().run("LogicObjects.Item", [&] {
            checkIndex("LogicObjects.Item", index, mMembers.size(), HostCode::NoProject);
            return component(mMembers[index - 1]);
        });
    }
    std::shared_ptr<LogicComponent> Item(const std::string& name) override {
        return mModel->meter().run("LogicObjects.Item", [&] { return carrierOf(name); });
    }

private:
    static constexpr std::size_t notHeld = std::numeric_limits<std::size_t>::max();

    std::shared_ptr<LogicComponent> carrierOf(const std::string& name) const {
        if (name.empty())
            return nullptr;
        for (const std::size_t carrier : mModel->carriers(mDocument, name)) {
            if (mPositionOf[carrier] != notHeld)
                return component(carrier);
        }
        return nullptr;
    }

    std::shared_ptr<LogicComponent> component(std::size_t index) const {
        return std::make_shared<SimComponent>(mModel, ComponentRef{mDocument, index});
    }

    Model mModel;
    std::size_t mDocument;
    std::vector<std::size_t> mMembers;
    std::vector<std::size_t> mPositionOf; // by component index; notHeld when not in the list
};

std::vector<std::size_t> allComponents(const LogicModel& model, std::size_t document) {
    std::vector<std::size_t> all(model.documents()[document].components.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    return all;
}

// Bound to the document it was fetched from, like the lists it gives.
class SimComponentSet : public LogicComponentSet {
public:
    SimComponentSet(Model model, std::size_t document)
        : mModel(std::move(model)), mDocument(document) {}

    std::shared_ptr<LogicObjects> Objects() override {
        return mModel->meter().run("LogicComponentSet.Objects", [&] { return all(); });
    }
    std::shared_ptr<LogicObjects> Query(std::int32_t kind, const std::string& filter,
                                        std::int32_t flags) override {
        return mModel->meter().run("LogicComponentSet.Query", [&] {
            if (kind != 1 || !filter.empty() || flags != 0)
                throw HostFailure(HostCode::Failed, "LogicComponentSet.Query: only (1, \"\", 0), "
                                                    "all components, is supported");
            return all();
        });
    }

private:
    std::shared_ptr<LogicObjects> all() const {
        return std::make_shared<SimObjects>(mModel, mDocument, allComponents(*mModel, mDocument));
    }

    Model mModel;
    std::size_t mDocument;
};

// Bound to the document it was fetched from; the count is live.
class SimSelection : public LogicSelection {
public:
    SimSelection(Model model, std::size_t document)
        : mModel(std::move(model)), mDocument(document) {}

    std::int32_t Count() override {
        return mModel->meter().run("LogicSelection.Count",
                                   [&] { return hostCount(mModel->selectedCount(mDocument)); });
    }

private:
    Model mModel;
    std::size_t mDocument;
};

class SimDocument : public LogicDocument {
public:
    explicit SimDocument(Model model) : mModel(std::move(model)) {}

    std::string Name() override {
        return onOpen("LogicDocument.Name",
                      [&](std::size_t document) { return mModel->documents()[document].name; });
    }
    std::shared_ptr<LogicComponentSet> ComponentSet() override {
        return onOpen("LogicDocument.ComponentSet", [&](std::size_t document) {
            return std::make_shared<SimComponentSet>(mModel, document);
        });
    }
    std::shared_ptr<LogicSelection> Selection() override {
        return onOpen("LogicDocument.Selection", [&](std::size_t document) {
            return std::make_shared<SimSelection>(mModel, document);
        });
    }
    std::shared_ptr<LogicObjects> SelectedObjects() override {
        return onOpen("LogicDocument.SelectedObjects", [&](std::size_t document) {
            return std::make_shared<SimObjects>(mModel, document,
                                                mModel->selectedComponents(document));
        });
    }

private:
    // Runs body on the document open when the call comes in.
    template <typename Body>
    auto onOpen(const char* call, Body&& body) -> decltype(body(std::size_t{})) {
        return mModel->meter().run(call, [&] { return body(mModel->requireOpen(call)); });
    }

    Model mModel;
};

class SimApplication : public LogicApplication {
public:
    explicit SimApplication(Model model) : mModel(std::move(model)) {}

    std::shared_ptr<LogicDocument> CurrentDocument() override {
        return mModel->meter().run("LogicApplication.CurrentDocument", [&] {
            mModel->requireOpen("LogicApplication.CurrentDocument");
            return makeLogicDocument(mModel);
        });
    }
    void BeginPass() override {
        mModel->meter().run("LogicApplication.BeginPass", [&] { mModel->beginPass(); });
    }
    void EndPass() override {
        mModel->meter().run("LogicApplication.EndPass", [&] { mModel->endPass(); });
    }
    void advise(LogicApplicationEvents* sink) override { mModel->advise(sink); }
    void unadvise(LogicApplicationEvents* sink) override { mModel->unadvise(sink); }

private:
    Model mModel;
};

} // namespace

std::shared_ptr<LogicApplication> makeLogicApplication(std::shared_ptr<LogicModel> model) {
    return std::make_shared<SimApplication>(std::move(model));
}

std::shared_ptr<LogicDocument> makeLogicDocument(std::shared_ptr<LogicModel> model) {
    return std::make_shared<SimDocument>(std::move(model));
}

} // namespace sequate::host::sim
