#pragma once

// The about box: name and version, a notice about the maker and the maker's web address, which
// opens in the browser when clicked. Created once, then hidden and shown again.

#include <QWidget>

class QLabel;
class QPushButton;

namespace sequate::about {

class UrlOpener;

// Old program: frmAbout (still its objectName).
class AboutBox : public QWidget {
    Q_OBJECT

public:
    explicit AboutBox(UrlOpener& opener, QWidget* parent = nullptr);

    void keepOnTop(bool onTop);
    // Opens "http://" + address; nothing that goes wrong there is reported.
    void OpenWebSite(const QString& address);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape closes it, as the Close button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    // Old program: cmdClose_Click, lblAddress_Click, lblAddress_MouseMove, Form_MouseMove.
    void closeClicked();
    void addressClicked();
    void pointerOverAddress();
    void pointerOverWindow();
    void setAddressColour(const QColor& colour);

    UrlOpener& mOpener;
    QLabel* mLabel2 = nullptr;
    QLabel* mLabel1 = nullptr;
    QLabel* mLblAddress = nullptr;
    QPushButton* mCmdClose = nullptr;
};

} // namespace sequate::about
