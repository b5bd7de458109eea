#include "logicmodel.h"

#include "host/partnamewords.h"

#include <algorithm>
#include <utility>

namespace sequate::host::sim {

namespace {

const std::vector<std::size_t> noCarriers;

void insertSorted(std::vector<std::size_t>& list, std::size_t value) {
    list.insert(std::lower_bound(list.begin(), list.end(), value), value);
}

} // namespace

LogicModel::LogicModel(std::vector<DocumentData> documents)
    : mDocuments(std::move(documents)), mNameIndex(mDocuments.size()),
      mSelectedCount(mDocuments.size(), 0) {
    for (std::size_t document = 0; document < mDocuments.size(); ++document)
        indexDocument(document);
    if (!mDocuments.empty())
        mOpen = 0;
    mPlannedOpen = mOpen;
}

void LogicModel::indexDocument(std::size_t document) {
    const auto& components = mDocuments[document].components;
    for (std::size_t i = 0; i < components.size(); ++i) {
        mNameIndex[document][components[i].name].push_back(i);
        if (components[i].selected)
            ++mSelectedCount[document];
    }
}

std::size_t LogicModel::requireOpen(const char* call) const {
    if (!mOpen)
        throw HostFailure(HostCode::NoProject, std::string(call) + ": no document is open");
    return *mOpen;
}

const ComponentData& LogicModel::component(ComponentRef ref) const {
    return mDocuments[ref.document].components[ref.component];
}

const std::vector<std::size_t>& LogicModel::carriers(std::size_t document,
                                                     const std::string& name) const {
    const auto& index = mNameIndex[document];
    const auto found = index.find(name);
    return found == index.end() ? noCarriers : found->second;
}

std::vector<std::size_t> LogicModel::selectedComponents(std::size_t document) const {
    std::vector<std::size_t> selected;
    selected.reserve(mSelectedCount[document]);
    const auto& components = mDocuments[document].components;
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (components[i].selected)
            selected.push_back(i);
    }
    return selected;
}

void LogicModel::rename(ComponentRef ref, const std::string& name) {
    auto& target = mDocuments[ref.document].components[ref.component];
    const auto refuse = [&](const std::string& reason) {
        throw HostFailure(HostCode::RenameRefused,
                          "\"" + target.name + "\" cannot be renamed: " + reason);
    };
    if (const auto reason = powerLogicNameProblem(name); !reason.empty())
        refuse(reason);
    const auto& holders = carriers(ref.document, name);
    if (std::any_of(holders.begin(), holders.end(),
                    [&](std::size_t holder) { return holder != ref.component; }))
        refuse("\"" + name + "\" is the name of another component");
    if (name == target.name)
        return;
    auto& index = mNameIndex[ref.document];
    auto& old = index[target.name];
    old.erase(std::find(old.begin(), old.end(), ref.component));
    if (old.empty())
        index.erase(target.name);
    insertSorted(index[name], ref.component);
    target.name = name;
}

void LogicModel::beginPass() {
    if (mPassOpen)
        throw HostFailure(HostCode::Failed, "LogicApplication.BeginPass: a pass is already open");
    mPassOpen = true;
}

void LogicModel::endPass() {
    if (!mPassOpen)
        throw HostFailure(HostCode::Failed, "LogicApplication.EndPass: no pass is open");
    mPassOpen = false;
    auto waiting = std::move(mWaitingActions);
    mWaitingActions.clear();
    for (auto& action : waiting)
        action();
}

void LogicModel::userAction(std::function<void()> action) {
    if (mPassOpen)
        mWaitingActions.push_back(std::move(action));
    else
        action();
}

void LogicModel::open(std::size_t document) {
    mOpen = document;
    ++mPendingOpenEvents;
}

void LogicModel::setSelected(ComponentRef ref, bool selected) {
    auto& target = mDocuments[ref.document].components[ref.component];
    if (target.selected == selected)
        return;
    target.selected = selected;
    if (selected)
        ++mSelectedCount[ref.document];
    else
        --mSelectedCount[ref.document];
}

void LogicModel::advise(LogicApplicationEvents* sink) {
    if (sink != nullptr)
        mSinks.add(sink);
}

void LogicModel::unadvise(LogicApplicationEvents* sink) {
    mSinks.remove(sink);
}

std::size_t
LogicModel::deliverEvents(const std::function<std::shared_ptr<LogicDocument>()>& document) {
    const std::size_t events = std::exchange(mPendingOpenEvents, 0);
    for (std::size_t event = 0; event < events; ++event)
        mSinks.notify([&](LogicApplicationEvents* sink) { sink->OpenDocument(document()); });
    return events;
}

} // namespace sequate::host::sim
