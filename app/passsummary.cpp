#include "passsummary.h"

#include "engine/partname.h"

#include <map>

namespace sequate::app {

namespace {

std::string keptBecause(const std::string& name, bool numbered) {
    if (!numbered)
        return "not selected";
    if (engine::endsInLetter(name))
        return "ends in a letter";
    return "already has its name";
}

std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

template <typename Field>
std::string rowLines(const std::vector<NameRow>& rows, char separator, const char* lineEnd,
                     Field field) {
    std::string text;
    const auto line = [&](const std::string& a, const std::string& b, const std::string& c) {
        text += field(a) + separator + field(b) + separator + field(c) + lineEnd;
    };
    line("Old name", "New name", "Note");
    for (const NameRow& row : rows)
        line(row.before, row.after, row.note);
    return text;
}

} // namespace

PassSummary summarize(const std::vector<std::string>& names, const engine::PassPlan& plan) {
    std::vector<std::string> after = names;
    std::vector<std::size_t> renameCount(names.size(), 0);
    for (const engine::PlannedRename& rename : plan.renames) {
        after.at(rename.component) = rename.to;
        ++renameCount[rename.component];
    }
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
        } else {
            summary.kept.push_back({names[i], names[i], keptBecause(names[i], numbered[i])});
            ++count.kept;
        }
        if (renameCount[i] > 1)
            ++summary.throughTemporary;
    }
    for (auto& [code, count] : perCode) {
        count.code = code;
        summary.perCode.push_back(count);
    }
    return summary;
}

std::string describeMode(const engine::PassOptions& options) {
    if (options.scope == engine::PassScope::AllComponents)
        return "Sequate all components";
    switch (options.policy) {
    case engine::TakenNamePolicy::AssignNextFree:
        return "Sequate selected components, Assign next free names";
    case engine::TakenNamePolicy::RenameDuplicates:
        return "Sequate selected components, Rename duplicates";
    case engine::TakenNamePolicy::None:
        break;
    }
    return "Sequate selected components";
}

std::string rowsAsText(const std::vector<NameRow>& rows) {
    return rowLines(rows, '\t', "\n", [](const std::string& field) { return field; });
}

std::string rowsAsCsv(const std::vector<NameRow>& rows) {
    return rowLines(rows, ',', "\r\n", csvField);
}

} // namespace sequate::app
