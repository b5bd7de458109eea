#pragma once

// The report window of components that a pass could not rename. It lives as long as the
// program, so the names of later passes appear below those of earlier ones.

#include <QWidget>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace sequate::app {

class frmNotChanged : public QWidget {
    Q_OBJECT

public:
    explicit frmNotChanged(QWidget* parent = nullptr);

    // Adds text at the end of the box; "\r\n" ends a line.
    void appendText(const std::string& text);
    // Shows the window without taking the user's input away from the main window.
    void showReport();

private:
    QPlainTextEdit* mTxtNotChanged = nullptr;
    QPushButton* mCmdClose = nullptr;
};

} // namespace sequate::app
