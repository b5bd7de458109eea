#include "topmost.h"

#include <QWidget>

namespace sequate::widgets {

void setAlwaysOnTop(QWidget& window, bool onTop) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    // Changing a window's flags hides it: show it again where it was.
    const bool wasVisible = window.isVisible();
    const QPoint position = window.pos();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible) {
        window.move(position);
        window.show();
    }
}

} // namespace sequate::widgets
