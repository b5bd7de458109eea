#include "workinglist.h"

#include "required.h"

namespace sequate::engine {

WorkList chooseWorkList(host::LogicDocument& doc, AllComponents how) {
    if (required(doc.Selection(), "LogicDocument.Selection")->Count() > 1)
        return {required(doc.SelectedObjects(), "LogicDocument.SelectedObjects"), true};
    auto set = required(doc.ComponentSet(), "LogicDocument.ComponentSet");
    if (how == AllComponents::Query)
        return {required(set->Query(1, "", 0), "LogicComponentSet.Query"), false};
    return {required(set->Objects(), "LogicComponentSet.Objects"), false};
}

} // namespace sequate::engine
