#pragma once

// Window measures are kept in twips (1440 to the inch) so that a window keeps its proportions
// on screens of any dots per inch.

#include <QPoint>
#include <QRect>

class QWidget;

namespace sequate::widgets {

int twipsToPixels(int twips, int dotsPerInch);

// In the pixels of the screen the widget is on.
QRect twipsRect(const QWidget& widget, int left, int top, int width, int height);
QPoint twipsOffset(const QWidget& widget, int right, int down);

} // namespace sequate::widgets
