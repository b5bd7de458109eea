#pragma once

class QWidget;

namespace sequate::app {

// Controls are placed in twips, which suits the font the window was drawn for. When the
// desktop's font is wider, every place and width below client grows by the same factor, so
// that no caption is cut and the arrangement stays as it was. Heights do not change.
void widenToFitCaptions(QWidget& client);

} // namespace sequate::app
