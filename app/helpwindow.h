#pragma once

// Help > Sequate Help: the help page, written in Markdown, shown as a page with its pictures,
// which lie beside it. Created once, then hidden and shown again.

#include <QWidget>

class QTextBrowser;

namespace sequate::app {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // Shows the page in `path`, brought to the front; false when it cannot be read.
    bool showPage(const QString& path);

protected:
    // Escape closes it, as it does a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* mPage = nullptr;
};

} // namespace sequate::app
