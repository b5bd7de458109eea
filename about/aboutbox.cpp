#include "aboutbox.h"

#include "sequate/version.h"
#include "ui/aboutlayout.h"
#include "urlopener.h"
#include "widgets/topmost.h"
#include "widgets/twips.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace sequate::about {

namespace {

const QColor hoverColour(0, 0, 255);
const QColor restColour(0, 0, 0);

// Places a control by its twips measures, never lower than one line of its own font.
void place(QWidget& control, const AboutPlace& at) {
    QRect rect = widgets::twipsRect(control, at.left, at.top, at.width, at.height);
    rect.setHeight(std::max(rect.height(), control.fontMetrics().height()));
    control.setGeometry(rect);
}

} // namespace

AboutBox::AboutBox(UrlOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), mOpener(opener) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("About ") + productName);
    setFixedSize(widgets::twipsRect(*this, 0, 0, aboutClientWidth, aboutClientHeight).size());
    createControls();
    // Movement over any control that does not use it reaches the window, so the address
    // turns black again wherever the mouse goes next.
    setMouseTracking(true);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setMouseTracking(true);
    }
}

void AboutBox::createControls() {
    mLabel2 = new QLabel(productName, this);
    mLabel2->setObjectName("Label2");
    QFont titleFont = mLabel2->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    mLabel2->setFont(titleFont);
    place(*mLabel2, titlePlace);

    mLabel1 = new QLabel(SEQUATE_NOTICE, this);
    mLabel1->setObjectName("Label1");
    mLabel1->setWordWrap(true);
    place(*mLabel1, noticePlace);

    mLblAddress = new QLabel(SEQUATE_WEBSITE, this);
    mLblAddress->setObjectName("lblAddress");
    mLblAddress->setCursor(Qt::PointingHandCursor);
    mLblAddress->installEventFilter(this);
    place(*mLblAddress, addressPlace);

    mCmdClose = new QPushButton(closeCaption, this);
    mCmdClose->setObjectName("cmdClose");
    place(*mCmdClose, closePlace);
    connect(mCmdClose, &QPushButton::clicked, this, &AboutBox::closeClicked);
}

void AboutBox::keepOnTop(bool onTop) {
    widgets::setAlwaysOnTop(*this, onTop);
}

void AboutBox::OpenWebSite(const QString& address) {
    try {
        mOpener.openUrl(QUrl(QStringLiteral("http://") + address));
    } catch (...) {
        // A missing browser must not disturb the user: the address stays on screen.
    }
}

void AboutBox::mouseMoveEvent(QMouseEvent* event) {
    pointerOverWindow();
    QWidget::mouseMoveEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mLblAddress) {
        if (event->type() == QEvent::MouseMove) {
            pointerOverAddress();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                mLblAddress->rect().contains(mouse->position().toPoint())) {
                addressClicked();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        closeClicked();
    else
        QWidget::keyPressEvent(event);
}

void AboutBox::closeClicked() {
    hide();
}

void AboutBox::addressClicked() {
    OpenWebSite(mLblAddress->text());
}

void AboutBox::pointerOverAddress() {
    setAddressColour(hoverColour);
}

void AboutBox::pointerOverWindow() {
    setAddressColour(restColour);
}

void AboutBox::setAddressColour(const QColor& colour) {
    QPalette palette = mLblAddress->palette();
    palette.setColor(QPalette::WindowText, colour);
    mLblAddress->setPalette(palette);
}

} // namespace sequate::about
