#pragma once

// Option buttons that exclude each other within their container, while "none selected" stays
// possible: the start options begin that way and start-up clears the all-components option.

#include <QButtonGroup>
#include <initializer_list>

class QRadioButton;

namespace sequate::app {

QButtonGroup* makeOptionGroup(QObject& owner, std::initializer_list<QRadioButton*> options);
// Unselects every option of the group without raising any option's click effects.
void clearOptions(QButtonGroup& group);
// Unselects one option, leaving the others as they are.
void unselectOption(QButtonGroup& group, QAbstractButton& option);

} // namespace sequate::app
