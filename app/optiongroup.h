#pragma once

// Option buttons that exclude each other within their container, while "none selected" stays
// possible: the start options begin that way and start-up clears the all-components option.

#include <QButtonGroup>
#include <vector>

class QRadioButton;

namespace sequate::app {

QButtonGroup* makeOptionGroup(QObject& owner, const std::vector<QRadioButton*>& options);
// Unselects one option, leaving the others as they are, without raising its click effects.
void unselectOption(QButtonGroup& group, QAbstractButton& option);

} // namespace sequate::app
