#include "workinglist.h"

namespace sequate::engine {

WorkList chooseWorkList(host::LogicDocument& doc, AllComponents how) {
    if (doc.Selection()->Count() > 1)
        return {doc.SelectedObjects(), true};
    auto set = doc.ComponentSet();
    if (how == AllComponents::Query)
        return {set->Query(1, "", 0), false};
    return {set->Objects(), false};
}

} // namespace sequate::engine
