#include "labelled.h"

#include <QLabel>
#include <QPushButton>

namespace sequate::app {

QPushButton* makeButton(QWidget& owner, const ui::Labelled& labelled) {
    auto* button = new QPushButton(labelled.caption, &owner);
    button->setObjectName(labelled.objectName);
    return button;
}

QLabel* makeSummaryLabel(QWidget& owner, const ui::Labelled& labelled) {
    auto* label = new QLabel(&owner);
    label->setObjectName(labelled.objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace sequate::app
