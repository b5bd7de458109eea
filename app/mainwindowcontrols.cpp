#include "mainwindowcontrols.h"

#include "optiongroup.h"
#include "widentofit.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace sequate::app {

namespace {

// Client area of the window, in twips.
constexpr int clientWidth = 5700;
constexpr int clientHeight = 2325;

template <typename Control>
Control* make(QWidget& container, const char* name, int left, int top, int width, int height) {
    auto* control = new Control(&container);
    control->setObjectName(name);
    control->setGeometry(widgets::twipsRect(*control, left, top, width, height));
    return control;
}

template <typename Control>
Control* make(QWidget& container, const char* name, const QString& caption, int left, int top,
              int width, int height) {
    Control* control = make<Control>(container, name, left, top, width, height);
    control->setText(caption);
    return control;
}

QFrame* makeFrame(QWidget& container, const char* name, QFrame::Shape shape, int left, int top,
                  int width, int height) {
    QFrame* frame = make<QFrame>(container, name, left, top, width, height);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

void createStartOptions(MainWindowControls& c) {
    c.optStart =
        make<QRadioButton>(*c.frmStart, "optStart", "Sequate all components", 60, 60, 2880, 300);
    c.optSelected = make<QRadioButton>(*c.frmStart, "optSelected", "Sequate selected components",
                                       60, 360, 2880, 300);
    c.frmMode = makeFrame(*c.frmStart, "frmMode", QFrame::StyledPanel, 180, 720, 2760, 690);
    c.optAssign =
        make<QRadioButton>(*c.frmMode, "optAssign", "Assign next free names", 90, 60, 2610, 270);
    c.optDuplicate =
        make<QRadioButton>(*c.frmMode, "optDuplicate", "Rename duplicates", 90, 345, 2610, 270);
    c.optAssign->setEnabled(false);
    c.optDuplicate->setEnabled(false);
}

void createStartNumber(MainWindowControls& c) {
    c.lblStartFrom =
        make<QLabel>(*c.frmStart, "lblStartFrom", "Start from:", 1680, 1650, 1050, 270);
    c.lblStartFrom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.txtStart = make<QLineEdit>(*c.frmStart, "txtStart", 2790, 1605, 1050, 330);
    c.txtStart->setEnabled(false);
    c.lblStartFrom->setBuddy(c.txtStart);
}

void createSendOptions(MainWindowControls& c) {
    c.frmSend = makeFrame(*c.frmStart, "frmSend", QFrame::StyledPanel, 2970, 30, 2700, 1440);
    c.chkSend =
        make<QCheckBox>(*c.frmSend, "chkSend", "Write ECO file for PowerPCB", 60, 60, 2610, 300);
    c.frmSendOptions = make<QGroupBox>(*c.frmSend, "frmSendOptions", 45, 390, 2610, 990);
    c.frmSendOptions->setTitle("Options");
    c.optECO = make<QRadioButton>(*c.frmSendOptions, "optECO", "Write only", 60, 300, 2505, 270);
    c.optDirect = make<QRadioButton>(*c.frmSendOptions, "optDirect", "Write and force read in PCB",
                                     60, 600, 2505, 270);
    c.optECO->setEnabled(false);
    c.optDirect->setEnabled(false);
}

void createMenu(QMainWindow& window, MainWindowControls& c) {
    c.mnuPass = window.menuBar()->addMenu("&Pass");
    c.mnuPass->setObjectName("mnuPass");
    c.mnuPreview = c.mnuPass->addAction("&Preview...");
    c.mnuPreview->setObjectName("mnuPreview");
    c.mnuReport = c.mnuPass->addAction("Last pass &report...");
    c.mnuReport->setObjectName("mnuReport");
    c.mnuHelp = window.menuBar()->addMenu("&Help");
    c.mnuHelp->setObjectName("mnuHelp");
    c.mnuHelpPage = c.mnuHelp->addAction("Sequate &Help...");
    c.mnuHelpPage->setObjectName("mnuHelpPage");
    c.mnuAbout = c.mnuHelp->addAction("&About...");
    c.mnuAbout->setObjectName("mnuAbout");
}

void setFocusOrder(const MainWindowControls& c) {
    QWidget* const order[] = {c.optStart,  c.txtStart,     c.cmdRun, c.optSelected, c.cmdEnd,
                              c.optAssign, c.optDuplicate, c.optECO, c.optDirect,   c.chkSend};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace

MainWindowControls createRenPartControls(QMainWindow& window) {
    MainWindowControls c;
    auto* client = new QWidget(&window);
    client->setObjectName("client");
    client->setFixedSize(widgets::twipsRect(*client, 0, 0, clientWidth, clientHeight).size());
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    c.frmStart = makeFrame(*client, "frmStart", QFrame::NoFrame, 0, 0, clientWidth, 2010);
    createStartOptions(c);
    createStartNumber(c);
    createSendOptions(c);
    c.cmdRun = make<QPushButton>(*client, "cmdRun", "Run", 90, 1575, 1350, 390);
    c.cmdEnd = make<QPushButton>(*client, "cmdEnd", "End", 4260, 1575, 1350, 390);
    c.progressBar = make<QProgressBar>(*client, "prgbarEdistys", 0, 2115, clientWidth, 210);
    c.progressBar->setTextVisible(false);
    createMenu(window, c);
    widenToFitCaptions(*client);

    c.startGroup = makeOptionGroup(window, {c.optStart, c.optSelected});
    c.modeGroup = makeOptionGroup(window, {c.optAssign, c.optDuplicate});
    c.sendGroup = makeOptionGroup(window, {c.optECO, c.optDirect});
    // Selected once in its group, so that the keyboard reaches the group through it.
    c.optDirect->setChecked(true);
    setFocusOrder(c);
    return c;
}

} // namespace sequate::app
