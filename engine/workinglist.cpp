#include "workinglist.h"

#include "required.h"

namespace sequate::engine {

WorkList chooseWorkList(host::LogicDocument& doc, AllComponents how) {
    const std::int32_t selected = required(doc.Selection(), "the selection")->Count();
    if (selected > 1)
        return {required(doc.SelectedObjects(), "the selected objects"), true, selected};
    return {allComponents(doc, how), false, selected};
}

std::shared_ptr<host::LogicObjects> allComponents(host::LogicDocument& doc, AllComponents how) {
    auto set = required(doc.ComponentSet(), "the components of the document");
    if (how == AllComponents::Query)
        return required(set->Query(1, "", 0), "the components of the document");
    return required(set->Objects(), "the components of the document");
}

} // namespace sequate::engine
