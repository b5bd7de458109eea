#pragma once

// Buttons and the summary label of the list windows, made from the window logic's names and
// captions.

#include "ui/listwindows.h"

class QLabel;
class QPushButton;
class QWidget;

namespace sequate::app {

QPushButton* makeButton(QWidget& owner, const ui::Labelled& labelled);
// Wraps and can be selected, so that the user can copy from it.
QLabel* makeSummaryLabel(QWidget& owner, const ui::Labelled& labelled);

} // namespace sequate::app
