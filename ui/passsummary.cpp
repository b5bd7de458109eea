#include "passsummary.h"

#include "engine/partname.h"

#include <map>
#include <set>

namespace sequate::ui {

namespace {

std::string keptBecause(const std::string& name, bool numbered,
                        const std::set<std::string>& leftAlone) {
    if (!numbered)
        return "not selected";
    if (leftAlone.count(name) != 0)
        return "left alone";
    if (engine::endsInLetter(name))
        return "ends in a letter";
    return "already has its name";
}

} // namespace

PassSummary summarize(const std::vector<std::string>& names, const engine::PassPlan& plan) {
    const std::vector<std::string> after = engine::namesAfter(names, plan.renames);
    std::vector<std::size_t> renameCount(names.size(), 0);
    for (const engine::Rename& rename : plan.renames)
        ++renameCount.at(rename.component.value());
    const std::set<std::string> leftAlone(plan.leftAlone.begin(), plan.leftAlone.end());
    std::vector<bool> numbered(names.size(), false);
    for (std::size_t component : plan.walk)
        numbered.at(component) = true;

    PassSummary summary;
    std::map<std::string, CodeCount> perCode;
    for (std::size_t i = 0; i < names.size(); ++i) {
        CodeCount& count = perCode[engine::letterCode(names[i])];
        if (after[i] != names[i]) {
            summary.renamed.push_back({names[i], after[i], {}});
            ++count.renamed;
            if (renameCount[i] > 1)
                ++summary.throughTemporary;
        } else {
            summary.kept.push_back(
                {names[i], names[i], keptBecause(names[i], numbered[i], leftAlone)});
            ++count.kept;
        }
    }
    for (auto& [code, count] : perCode) {
        count.code = code;
        summary.perCode.push_back(count);
    }
    return summary;
}

} // namespace sequate::ui
