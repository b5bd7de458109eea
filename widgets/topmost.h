#pragma once

class QWidget;

namespace sequate::widgets {

// Keeps a window above every window that is not topmost, or takes that away. Neither moves
// nor resizes it; a shown window stays shown.
void setAlwaysOnTop(QWidget& window, bool onTop);

} // namespace sequate::widgets
