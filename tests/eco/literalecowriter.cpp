#include "literalecowriter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

namespace sequate::eco::test {

namespace {

constexpr int tableSlots = 10001;
constexpr int breakSlots = 1001;

struct Form {
    std::array<std::string, tableSlots> oldNames;
    std::array<std::string, tableSlots> newNames;
    std::array<std::string, tableSlots> ecoNames;
};

bool remembers(const Form& form, const std::string& name) {
    for (int i = 0;; ++i) {
        if (form.ecoNames.at(i) == name)
            return true;
        if (form.ecoNames.at(0).empty() || form.newNames.at(i).empty())
            return false;
    }
}

void TyhjennaEcomuisti(Form& form) {
    for (int i = 0; i < tableSlots && !form.ecoNames[i].empty(); ++i)
        form.ecoNames[i].clear();
}

struct Breaks {
    std::array<std::int16_t, breakSlots> slots{};
    int count = 0;

    void append(int m) { slots.at(count++) = static_cast<std::int16_t>(m); }
    // The first slot holding 0 ends the list: past it there is no break at all.
    bool at(int j, int row) const { return j < count && slots[j] == row; }
};

// One scanning pass: for the first occurrence of each key, every later row whose probe equals
// it gets a break.
void scan(Form& form, const std::array<std::string, tableSlots>& keys,
          const std::array<std::string, tableSlots>& probes, int n, Breaks& breaks) {
    int used = 0;
    for (int k = 0; k <= n; ++k) {
        if (remembers(form, keys[k]))
            continue;
        form.ecoNames.at(used++) = keys[k];
        for (int m = k + 1; m <= n; ++m)
            if (probes[m] == keys[k])
                breaks.append(m);
    }
}

void ecoSectionStart(std::string& file) {
    file += "*PADS-ECO-V3.0-MILS*\r\n\r\n*RENPART*\r\n*REMARK*  AUTOSEQUATE\r\n";
}

std::string writeRows(const Form& form, const Breaks& breaks) {
    const auto exists = [&](int i) {
        return !form.oldNames.at(i).empty() && !form.newNames.at(i).empty();
    };
    std::string file;
    ecoSectionStart(file);
    int i = 0;
    int j = 0;
    for (;;) {
        if (exists(i) && !breaks.at(j, i)) {
            file += form.oldNames[i] + " " + form.newNames[i] + "\r\n";
            ++i;
        }
        if (exists(i) && breaks.at(j, i)) {
            file += "*END*\r\n\r\n";
            ecoSectionStart(file);
            ++j;
        }
        if (!exists(i))
            break;
    }
    file += "*END*\r\n";
    return file;
}

} // namespace

std::string literalEcoText(const std::vector<std::string>& oldNames,
                           const std::vector<std::string>& newNames) {
    auto form = std::make_unique<Form>();
    std::copy(oldNames.begin(), oldNames.end(), form->oldNames.begin());
    std::copy(newNames.begin(), newNames.end(), form->newNames.begin());
    int n = 0;
    while (!form->oldNames.at(n).empty())
        ++n;

    Breaks breaks;
    scan(*form, form->newNames, form->newNames, n, breaks);
    TyhjennaEcomuisti(*form);
    scan(*form, form->oldNames, form->oldNames, n, breaks);
    TyhjennaEcomuisti(*form);
    scan(*form, form->newNames, form->oldNames, n, breaks);
    std::sort(breaks.slots.begin(), breaks.slots.begin() + breaks.count);
    return writeRows(*form, breaks);
}

} // namespace sequate::eco::test
