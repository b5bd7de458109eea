#include "optiongroup.h"

#include <QRadioButton>

namespace sequate::app {

namespace {

// Tab enters a group at its selected option, and at any of them while none is selected; the
// arrow keys move within the group.
void tabToSelected(QButtonGroup& group) {
    QAbstractButton* selected = group.checkedButton();
    for (QAbstractButton* option : group.buttons()) {
        const bool reachable = !selected || option == selected;
        option->setFocusPolicy(reachable ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace

QButtonGroup* makeOptionGroup(QObject& owner, const std::vector<QRadioButton*>& options) {
    auto* group = new QButtonGroup(&owner);
    for (QRadioButton* option : options) {
        group->addButton(option);
    }
    tabToSelected(*group);
    QObject::connect(group, &QButtonGroup::buttonToggled, group,
                     [group](QAbstractButton*, bool) { tabToSelected(*group); });
    return group;
}

// An exclusive group refuses to unselect its selected option, so exclusivity is lifted for
// the moment it takes.
void unselectOption(QButtonGroup& group, QAbstractButton& option) {
    if (!option.isChecked()) {
        return;
    }
    const QSignalBlocker quiet(option);
    group.setExclusive(false);
    option.setChecked(false);
    group.setExclusive(true);
    tabToSelected(group);
}

} // namespace sequate::app
