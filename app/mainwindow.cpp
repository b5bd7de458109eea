#include "mainwindow.h"

#include "about/aboutbox.h"
#include "dialogs.h"
#include "helpwindow.h"
#include "optiongroup.h"
#include "previewwindow.h"
#include "reportwindow.h"
#include "sequate/version.h"
#include "ui/ecotexts.h"
#include "widgets/topmost.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace sequate::app {

namespace {

using ui::Control;
using ui::ControlKind;
using ui::MenuItem;

// The installed page beside the program, else the one of the build folder it was built in.
QString helpPagePath() {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(SEQUATE_DOC_FROM_BIN "/help.md"));
    if (QFileInfo::exists(installed)) {
        return QDir::cleanPath(installed);
    }
    return QStringLiteral(SEQUATE_BUILT_DOCS "/help.md");
}

bool isChoice(const ui::ControlPlace& place) {
    return place.kind == ControlKind::Option || place.kind == ControlKind::CheckBox;
}

void showChosen(QAbstractButton& button, bool chosen) {
    if (chosen)
        button.setChecked(true);
    else if (button.group())
        unselectOption(*button.group(), button);
    else
        button.setChecked(false);
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs)
    : mObjects(std::move(objects)), mDialogs(dialogs), mControls(*this),
      mSaveDialog(dialogs, *this), mEcoStep(*mObjects, mSaveDialog, ui::ecoProblemText),
      mLogic(*this, mEcoStep) {
    setObjectName("frmRenPart");
    setWindowTitle(productName);
    mReport = new ReportWindow(this, dialogs);
    mPreview = new PreviewWindow(this, dialogs);
    connectHandlers();
}

void MainWindow::connectHandlers() {
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        if (isChoice(place))
            connect(mControls.get<QAbstractButton>(place.control), &QAbstractButton::clicked, this,
                    [this, control = place.control] { mLogic.click(control); });
        if (place.kind == ControlKind::TextBox)
            connect(mControls.get<QLineEdit>(place.control), &QLineEdit::textChanged, this,
                    [this, box = place.control](const QString& text) {
                        mLogic.textEdited(box, text.toStdString());
                    });
    }
    // Only the user's choice: showOptions sets the entry without a word back.
    connect(mControls.get<QComboBox>(Control::orderBox), &QComboBox::activated, this,
            [this](int entry) { mLogic.orderChosen(static_cast<engine::WalkOrder>(entry)); });
    connect(mControls.get<QPushButton>(Control::runButton), &QPushButton::clicked, this,
            [this] { mLogic.run(); });
    connect(mControls.get<QPushButton>(Control::endButton), &QPushButton::clicked, this,
            [this] { mLogic.end(); });
    connect(mControls.action(MenuItem::previewItem), &QAction::triggered, this,
            [this] { mLogic.preview(); });
    connect(mControls.action(MenuItem::reportItem), &QAction::triggered, this,
            [this] { mLogic.openReport(); });
    connect(mControls.action(MenuItem::putBackItem), &QAction::triggered, this,
            [this] { mLogic.putBackLastPass(); });
    connect(mControls.action(MenuItem::helpPageItem), &QAction::triggered, this,
            &MainWindow::helpPageChosen);
    connect(mControls.action(MenuItem::aboutItem), &QAction::triggered, this,
            &MainWindow::aboutChosen);
    connect(mPreview, &PreviewWindow::applyClicked, this, [this] { mLogic.apply(); });
    connect(mPreview, &PreviewWindow::saveEcoClicked, this,
            [this] { mLogic.savePlanAsEco(mPreview->saveDialog()); });
}

void MainWindow::helpPageChosen() {
    const QString page = helpPagePath();
    if (!mHelp)
        mHelp = new HelpWindow(this);
    const bool opened = mHelp->showPage(page);
    if (const auto problem =
            ui::helpPageProblem(page.toStdString(), QFileInfo::exists(page), opened))
        showMessage(*problem);
}

void MainWindow::aboutChosen() {
    if (!mAbout) {
        mAbout = new about::AboutBox(mDialogs, this);
    }
    mAbout->keepOnTop(true);
    mAbout->move(pos() + widgets::twipsOffset(*this, ui::aboutBoxOffset, ui::aboutBoxOffset));
    mAbout->show();
    mAbout->raise();
}

// The keys the controls pass on: Enter, Escape, and the End key that no control here takes.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    static const std::pair<int, ui::WindowKey> keys[] = {{Qt::Key_Return, ui::WindowKey::Enter},
                                                         {Qt::Key_Enter, ui::WindowKey::Enter},
                                                         {Qt::Key_Escape, ui::WindowKey::Escape},
                                                         {Qt::Key_End, ui::WindowKey::End}};
    for (const auto& [code, key] : keys)
        if (event->key() == code &&
            mEvents.keyPressed(key, mControls[ui::defaultButton]->isEnabled()))
            return;
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(mEvents.closeAsked());
}

// --- ui::MainView ---

void MainWindow::keepOnTop(bool onTop) {
    widgets::setAlwaysOnTop(*this, onTop);
}

void MainWindow::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::showOptions(const ui::OptionPanel& options) {
    for (const ui::ControlPlace& place : ui::mainWindowControls()) {
        if (isChoice(place))
            showChosen(*mControls.get<QAbstractButton>(place.control),
                       options.chosen(place.control));
        if (place.kind == ControlKind::TextBox) {
            auto* box = mControls.get<QLineEdit>(place.control);
            const QString text = QString::fromStdString(options.text(place.control));
            if (box->text() != text)
                box->setText(text);
        }
        mControls[place.control]->setEnabled(options.enabled(place.control));
    }
    auto* order = mControls.get<QComboBox>(Control::orderBox);
    const auto entries = ui::walkOrderEntries(options.scope());
    for (std::size_t i = 0; i < entries.size(); ++i)
        order->setItemText(static_cast<int>(i), entries[i]);
    order->setCurrentIndex(static_cast<int>(options.order()));
}

// QProgressBar::setValue repaints at once whenever the change shows.
void MainWindow::showProgress(ui::BarPosition shown) {
    auto* bar = mControls.get<QProgressBar>(Control::progressBar);
    bar->setRange(0, shown.maximum);
    bar->setValue(shown.value);
}

void MainWindow::handleWaitingEvents() {
    QCoreApplication::processEvents();
}

void MainWindow::showPassRunning(bool running) {
    for (const ui::ControlPlace& place : ui::mainWindowControls())
        if (ui::greyedDuringPass(place))
            mControls[place.control]->setEnabled(!running);
    for (const ui::MenuPlace& place : ui::mainWindowMenus())
        if (ui::greyedDuringPass(place.item))
            mControls.action(place.item)->setEnabled(!running);
    // The preview holds the main window while it is open: once Apply runs its plan, it goes,
    // so that End reaches the pass. It comes back with a new plan if the schematic changed.
    if (running)
        mPreview->hide();
}

void MainWindow::showAccount(const std::string& line) {
    auto* account = mControls.get<QLabel>(Control::accountLine);
    account->setText(QString::fromStdString(line));
    // A line longer than its two is cut off at the window's edge; the whole shows on hovering.
    account->setToolTip(account->text());
}

std::optional<ui::Control> MainWindow::focusedControl() {
    for (const ui::ControlPlace& place : ui::mainWindowControls())
        if (mControls[place.control] == focusWidget())
            return place.control;
    return std::nullopt;
}

void MainWindow::focus(std::optional<ui::Control> control) {
    if (control)
        mControls[*control]->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void MainWindow::focusToRetype(ui::Control box) {
    focus(box);
    // Once it has the keyboard: a line edit given it by a program selects nothing by itself.
    mControls.get<QLineEdit>(box)->selectAll();
}

void MainWindow::showMessage(const ui::Message& message) {
    mDialogs.showMessage(this, message);
}

bool MainWindow::ask(const ui::Question& question) {
    return mDialogs.ask(this, question);
}

void MainWindow::showReport(const ui::PassReport& report, bool open) {
    mReport->setReport(report);
    if (open)
        mReport->showReport();
}

void MainWindow::bringReportToFront() {
    mReport->bringToFront();
}

void MainWindow::showPreview(const ui::PreviewText& preview) {
    mPreview->showPreview(preview);
}

void MainWindow::closePreview() {
    mPreview->hide();
}

std::string MainWindow::localTime() {
    return QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString();
}

ui::ScreenRect MainWindow::windowFrame() {
    const QRect frame = frameGeometry();
    return {frame.x(), frame.y(), frame.width(), frame.height()};
}

std::vector<ui::ScreenRect> MainWindow::screenAreas() {
    std::vector<ui::ScreenRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

// A window's position is its frame's.
void MainWindow::moveWindow(ui::ScreenPoint topLeft) {
    move(topLeft.x, topLeft.y);
}

void MainWindow::endProgram(int exitStatus) {
    if (!mEvents.programEnds())
        return;
    mReport->hide();
    if (mAbout) {
        mAbout->hide();
    }
    if (mHelp)
        mHelp->hide();
    hide();
    emit programEnd(exitStatus);
}

} // namespace sequate::app
