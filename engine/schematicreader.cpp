#include "schematicreader.h"

#include "componentlist.h"
#include "coordinatetext.h"
#include "passstop.h"
#include "progress.h"
#include "required.h"
#include "workinglist.h"

#include <cmath>
#include <optional>
#include <unordered_map>

namespace sequate::engine {

namespace {

using ListRead = ComponentList;

class Reader {
public:
    Reader(host::LogicDocument& document, const ProgressPort& progress, std::string& activity)
        : mDocument(document), mProgress(progress), mActivity(activity) {}

    SchematicRead read(PassScope scope, WalkOrder order) {
        mOrdered =
            scope == PassScope::SelectedComponents ? "the selected components" : "the components";
        // A pass over all components reads where they lie only when it walks by position: in
        // list order that would cost four calls a component for nothing.
        const bool everyPosition =
            scope == PassScope::AllComponents && order != WalkOrder::Standard;
        mActivity = "choosing the components to work on";
        WorkList chosen = chooseWorkList(mDocument);
        const std::int32_t selected = chosen.selected;
        SchematicRead result;
        result.snapshot.workListIsSelection = chosen.selection;
        result.workList = std::move(chosen.list);
        const std::int32_t count = result.workList->Count();

        // With the selection as the work list, the rest of the document is read too: a name
        // its components carry is taken.
        const bool documentToo = result.snapshot.workListIsSelection;
        std::shared_ptr<host::LogicObjects> document =
            documentToo ? allComponents(mDocument) : nullptr;
        const std::int32_t documentCount = document ? document->Count() : 0;
        const bool selectionToo = scope == PassScope::SelectedComponents && selected == 1;
        // Each position read is a step of its own: by position, a large design spends most of
        // its read there, and the bar must move and Stop be heard meanwhile.
        long long positions = 0;
        if (documentToo)
            positions = scope == PassScope::SelectedComponents || everyPosition ? count : 0;
        else if (selectionToo)
            positions = 1;
        else if (everyPosition)
            positions = count;
        mSteps.emplace(mProgress, ProgressPhase::Reading,
                       static_cast<long long>(count) + documentCount + (selectionToo ? 1 : 0) +
                           positions);

        mActivity = "reading the names of the components";
        ListRead workList = readList(*result.workList, count);
        if (document) {
            keep(result, readList(*document, documentCount));
            result.snapshot.workList = match(result, workList.names);
            if (scope == PassScope::AllComponents && !everyPosition)
                return result;
            readPositions(result, workList.names, workList.components,
                          everyRow(workList.names.size()));
        } else {
            keep(result, std::move(workList));
            result.snapshot.workList = everyRow(result.snapshot.names.size());
            if (scope == PassScope::SelectedComponents && selected == 1)
                readTheSelectedOne(result);
            else if (everyPosition)
                readPositions(result, result.snapshot.names, result.components,
                              result.snapshot.workList);
        }
        return result;
    }

private:
    ListRead readList(host::LogicObjects& list, std::int32_t count) {
        return readComponentList(list, count, &*mSteps);
    }

    static std::vector<std::size_t> everyRow(std::size_t count) {
        std::vector<std::size_t> rows(count);
        for (std::size_t row = 0; row < count; ++row)
            rows[row] = row;
        return rows;
    }

    static void keep(SchematicRead& result, ListRead list) {
        result.snapshot.names = std::move(list.names);
        result.components = std::move(list.components);
    }

    // With every component read, one selected component is found through the selection: its
    // name tells which it is, and only where a name is carried twice is the host asked which
    // of the carriers is selected.
    void readTheSelectedOne(SchematicRead& result) {
        auto selection = required(mDocument.SelectedObjects(), "the selected objects");
        const std::int32_t count = selection->Count();
        ListRead selected = readList(*selection, count);
        // The work list is the whole document, so a component's row is its index.
        readPositions(result, selected.names, selected.components, match(result, selected.names));
    }

    // The document's component for each selected name, in order.
    std::vector<std::size_t> match(SchematicRead& result, const std::vector<std::string>& names) {
        std::unordered_map<std::string, std::vector<std::size_t>> carriers;
        for (const std::string& name : names)
            carriers.try_emplace(name);
        for (std::size_t i = 0; i < result.snapshot.names.size(); ++i) {
            const auto found = carriers.find(result.snapshot.names[i]);
            if (found != carriers.end())
                found->second.push_back(i);
        }
        for (auto& [name, who] : carriers) {
            if (who.size() < 2)
                continue;
            mActivity = "finding which components named " + name + " are selected";
            std::vector<std::size_t> selected;
            for (std::size_t i : who)
                if (result.components[i]->Selected())
                    selected.push_back(i);
            who = std::move(selected);
        }
        std::unordered_map<std::string, std::size_t> used;
        std::vector<std::size_t> matched;
        for (const std::string& name : names) {
            const auto& who = carriers[name];
            std::size_t& next = used[name];
            if (next >= who.size())
                throw PassStop("The selected component " + name +
                               " is not among the components of the document.");
            matched.push_back(who[next++]);
        }
        return matched;
    }

    void readPositions(SchematicRead& result, const std::vector<std::string>& names,
                       const std::vector<std::shared_ptr<host::LogicComponent>>& components,
                       const std::vector<std::size_t>& rows) {
        mActivity = "ordering " + mOrdered + " by position";
        result.snapshot.positions.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            result.snapshot.positions.push_back(position(*components[i], names[i], rows[i]));
            mSteps->step();
        }
    }

    ComponentPosition position(host::LogicComponent& component, const std::string& name,
                               std::size_t row) const {
        try {
            auto placements = required(component.Placements(), "where " + name + " is placed");
            auto placement = placements->Item(1);
            if (!placement)
                throw host::HostFailure(host::HostCode::BadIndex, "no placed element");
            const double first = placement->FirstCoordinate(0);
            const double second = placement->SecondCoordinate(0);
            return {row, positionText(first, name), positionText(second, name), first, second};
        } catch (const host::HostFailure& failure) {
            if (failure.code() == host::HostCode::BadIndex)
                throw PassStop(name + " is not placed on the sheet, so " + mOrdered +
                               " cannot be ordered by position.");
            throw PassStop("The position of " + name + " could not be read",
                           HostFault::of(failure));
        }
    }

    std::string positionText(double coordinate, const std::string& name) const {
        if (!std::isfinite(coordinate))
            throw PassStop("PowerLogic gave " + name + " a position that is not a number, so " +
                           mOrdered + " cannot be ordered by position.");
        return coordinateText(coordinate);
    }

    host::LogicDocument& mDocument;
    const ProgressPort& mProgress;
    std::optional<PhaseProgress> mSteps; // the read's, once it knows its count
    std::string& mActivity;
    std::string mOrdered; // the components the pass orders, for the messages
};

} // namespace

SchematicRead readSchematic(host::LogicDocument& document, PassScope scope, WalkOrder order,
                            const ProgressPort& progress, std::string& activity) {
    return Reader(document, progress, activity).read(scope, order);
}

} // namespace sequate::engine
