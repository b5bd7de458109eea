#include "frmrenpart.h"

#include "about/frmabout.h"
#include "about/productname.h"
#include "about/topmost.h"
#include "about/twips.h"
#include "dialogs.h"
#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "frmnotchanged.h"
#include "optiongroup.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace sequate::app {

namespace {

// The about box opens this far right of and below the main window's corner.
constexpr int aboutOffsetTwips = 100;

} // namespace

frmRenPart::frmRenPart(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs)
    : mObjects(std::move(objects)), mDialogs(dialogs), mControls(createRenPartControls(*this)),
      mProgress(*mControls.prgbarEdistys), mEcoUi(dialogs, *this) {
    setObjectName("frmRenPart");
    setWindowTitle(about::productName);
    mNotChanged = new frmNotChanged(this);
    connectHandlers();
}

frmRenPart::~frmRenPart() {
    if (mAdvised) {
        mAdvised->unadvise(this);
    }
}

void frmRenPart::connectHandlers() {
    const RenPartControls& c = mControls;
    connect(c.optStart, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            optStart_Click();
        }
    });
    connect(c.optSelected, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            optSelected_Click();
        }
    });
    connect(c.chkSend, &QCheckBox::clicked, this, &frmRenPart::chkSend_Click);
    connect(c.cmdRun, &QPushButton::clicked, this, &frmRenPart::cmdRun_Click);
    connect(c.cmdEnd, &QPushButton::clicked, this, &frmRenPart::cmdEnd_Click);
    connect(c.mnuAbout, &QAction::triggered, this, &frmRenPart::mnuAbout_Click);
}

engine::StartupOutcome frmRenPart::Form_Load() {
    const engine::StartupOutcome outcome = engine::Form_Load(mState, *this, *mObjects);
    if (outcome == engine::StartupOutcome::Running && mState.powerLogicApp) {
        mAdvised = mState.powerLogicApp;
        mAdvised->advise(this);
    }
    return outcome;
}

// --- option handlers ---

void frmRenPart::optStart_Click() {
    clearOptions(*mControls.modeGroup);
    mControls.optAssign->setEnabled(false);
    mControls.optDuplicate->setEnabled(false);
    enableStartBox(mControls.optStart->isChecked());
}

void frmRenPart::optSelected_Click() {
    mControls.optAssign->setEnabled(true);
    mControls.optDuplicate->setEnabled(true);
    mControls.optAssign->setChecked(true);
    enableStartBox(mControls.optSelected->isChecked());
}

// A disabled box looks greyed; once enabled it has the background of any field one can type
// in, and no handler disables it again while a start option is selected.
void frmRenPart::enableStartBox(bool selected) {
    mControls.txtStart->setEnabled(selected);
}

// The ECO options follow their own enabled state, not the check box: both start disabled
// with the box unchecked, so they are enabled exactly while it is checked.
void frmRenPart::chkSend_Click() {
    const bool enable = !mControls.optECO->isEnabled();
    mControls.optECO->setEnabled(enable);
    mControls.optDirect->setEnabled(enable);
}

// Notifications that arrive while a pass holds the window (a modal dialog at its end runs an
// event loop) wait until the pass is over.
void frmRenPart::cmdRun_Click() {
    mPassRunning = true;
    engine::cmdRun_Click(mState, *this);
    mPassRunning = false;
    if (mOpenDocumentWaiting) {
        mOpenDocumentWaiting = false;
        powerLogicApp_OpenDocument();
    }
}

void frmRenPart::cmdEnd_Click() {
    endProgram(0);
}

void frmRenPart::mnuAbout_Click() {
    if (!mAbout) {
        mAbout = new about::frmAbout(mDialogs, this);
    }
    mAbout->AlwaysOnTop(true);
    mAbout->move(pos() + about::twipsOffset(*this, aboutOffsetTwips, aboutOffsetTwips));
    mAbout->show();
    mAbout->raise();
}

void frmRenPart::closeEvent(QCloseEvent* event) {
    endProgram(0);
    event->accept();
}

void frmRenPart::endProgram(int exitStatus) {
    if (mEnded) {
        return;
    }
    mEnded = true;
    mNotChanged->hide();
    if (mAbout) {
        mAbout->hide();
    }
    hide();
    emit programEnd(exitStatus);
}

// --- host notifications ---

void frmRenPart::OpenDocument(std::shared_ptr<host::LogicDocument>) {
    if (mPassRunning) {
        mOpenDocumentWaiting = true;
        return;
    }
    powerLogicApp_OpenDocument();
}

void frmRenPart::powerLogicApp_OpenDocument() {
    if (engine::powerLogicApp_OpenDocument(mState, *this) == engine::StartupOutcome::EndProgram) {
        endProgram(1);
    }
}

// --- engine::FormWindow ---

void frmRenPart::AlwaysOnTop(bool onTop) {
    about::setAlwaysOnTop(*this, onTop);
}

void frmRenPart::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void frmRenPart::setStartText(const std::string& text) {
    mControls.txtStart->setText(QString::fromStdString(text));
}

void frmRenPart::deselectOptStart() {
    unselectOption(*mControls.startGroup, *mControls.optStart);
}

bool frmRenPart::optStart() const {
    return mControls.optStart->isChecked();
}

bool frmRenPart::optSelected() const {
    return mControls.optSelected->isChecked();
}

bool frmRenPart::optAssign() const {
    return mControls.optAssign->isChecked();
}

bool frmRenPart::optDuplicate() const {
    return mControls.optDuplicate->isChecked();
}

bool frmRenPart::chkSend() const {
    return mControls.chkSend->isChecked();
}

bool frmRenPart::optECO() const {
    return mControls.optECO->isChecked();
}

bool frmRenPart::optDirect() const {
    return mControls.optDirect->isChecked();
}

std::string frmRenPart::startText() const {
    return mControls.txtStart->text().toStdString();
}

engine::ProgressBar& frmRenPart::prgbarEdistys() {
    return mProgress;
}

void frmRenPart::appendNotChanged(const std::string& text) {
    mNotChanged->appendText(text);
}

void frmRenPart::showNotChanged() {
    mNotChanged->showReport();
}

host::EcoDelivery frmRenPart::ShowFileDialog(const engine::FormState& state) {
    return eco::ShowFileDialog(state.oldNames, state.newNames, mEcoUi);
}

host::EcoDelivery frmRenPart::AlsoInPCB(const engine::FormState& state) {
    return eco::AlsoInPCB(*state.powerLogicApp, *mObjects, state.oldNames, state.newNames);
}

std::string frmRenPart::layoutUnreachable() {
    return eco::layoutUnreachable(*mObjects);
}

void frmRenPart::recoverUnfinishedPass() {
    engine::recoverUnfinishedPass(mState, *this);
}

bool frmRenPart::keepRenamesWithoutEco() {
    return mDialogs.keepRenamesWithoutEco(this);
}

bool frmRenPart::putBackUnfinishedPass(const std::string& question) {
    return mDialogs.putBackUnfinishedPass(this, QString::fromStdString(question));
}

void frmRenPart::showMessage(engine::MessageStyle style, const std::string& title,
                             const std::string& text) {
    mDialogs.showMessage(this, style, QString::fromStdString(title), QString::fromStdString(text));
}

} // namespace sequate::app
