#include "twips.h"

#include <QWidget>
#include <cmath>

namespace sequate::widgets {

namespace {
constexpr int twipsPerInch = 1440;
}

int twipsToPixels(int twips, int dotsPerInch) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * dotsPerInch / twipsPerInch));
}

QRect twipsRect(const QWidget& widget, int left, int top, int width, int height) {
    const int dpiX = widget.logicalDpiX();
    const int dpiY = widget.logicalDpiY();
    return QRect(twipsToPixels(left, dpiX), twipsToPixels(top, dpiY), twipsToPixels(width, dpiX),
                 twipsToPixels(height, dpiY));
}

QPoint twipsOffset(const QWidget& widget, int right, int down) {
    return QPoint(twipsToPixels(right, widget.logicalDpiX()),
                  twipsToPixels(down, widget.logicalDpiY()));
}

} // namespace sequate::widgets
