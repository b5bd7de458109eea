#include "workinglist.h"

#include "required.h"

namespace sequate::engine {

WorkList chooseWorkList(host::LogicDocument& doc, AllComponents how) {
    const std::int32_t selected = required(doc.Selection(), "LogicDocument.Selection")->Count();
    if (selected > 1)
        return {required(doc.SelectedObjects(), "LogicDocument.SelectedObjects"), true, selected};
    return {allComponents(doc, how), false, selected};
}

std::shared_ptr<host::LogicObjects> allComponents(host::LogicDocument& doc, AllComponents how) {
    auto set = required(doc.ComponentSet(), "LogicDocument.ComponentSet");
    if (how == AllComponents::Query)
        return required(set->Query(1, "", 0), "LogicComponentSet.Query");
    return required(set->Objects(), "LogicComponentSet.Objects");
}

} // namespace sequate::engine
