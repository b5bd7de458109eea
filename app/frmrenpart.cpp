#include "frmrenpart.h"

#include "about/frmabout.h"
#include "about/productname.h"
#include "about/topmost.h"
#include "about/twips.h"
#include "dialogs.h"
#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "frmnotchanged.h"
#include "frmpreview.h"
#include "optiongroup.h"
#include "passsummary.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace sequate::app {

namespace {

// The about box opens this far right of and below the main window's corner.
constexpr int aboutOffsetTwips = 100;

constexpr const char* notWritten = "not written";

// The installed page beside the program, else the one in the source tree it was built from.
QUrl helpPageUrl() {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral(SEQUATE_DOC_FROM_BIN "/help.md"));
    if (QFileInfo::exists(installed)) {
        return QUrl::fromLocalFile(QDir::cleanPath(installed));
    }
    return QUrl::fromLocalFile(QStringLiteral(SEQUATE_SOURCE_DOCS "/help.md"));
}

std::string ecoWent(const host::EcoDelivery& delivery, const std::string& delivered) {
    switch (delivery.outcome) {
    case host::EcoOutcome::Delivered:
        return delivered;
    case host::EcoOutcome::FileLeftOver:
    case host::EcoOutcome::Unknown:
        return delivery.message;
    case host::EcoOutcome::Cancelled:
    case host::EcoOutcome::NotDelivered:
        break;
    }
    return notWritten;
}

} // namespace

frmRenPart::frmRenPart(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs)
    : mObjects(std::move(objects)), mDialogs(dialogs), mControls(createRenPartControls(*this)),
      mProgress(*mControls.prgbarEdistys), mEcoUi(dialogs, *this) {
    setObjectName("frmRenPart");
    setWindowTitle(about::productName);
    mNotChanged = new frmNotChanged(this, &dialogs);
    mPreview = new frmPreview(mState, *this, this);
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
    connect(c.mnuPreview, &QAction::triggered, this, &frmRenPart::mnuPreview_Click);
    connect(c.mnuReport, &QAction::triggered, mNotChanged, &frmNotChanged::showReport);
    connect(c.mnuHelpPage, &QAction::triggered, this, &frmRenPart::mnuHelpPage_Click);
    connect(c.mnuAbout, &QAction::triggered, this, &frmRenPart::mnuAbout_Click);
    connect(mPreview, &frmPreview::applyClicked, this,
            [this] { runPass([this] { return mPreview->applyPlan(); }); });
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
    runPass([this] { return engine::pressRun(mState, *this); });
}

template <typename Pass>
void frmRenPart::runPass(Pass pass) {
    mPassRunning = true;
    mNotChanged->beginPass();
    mEcoWent = notWritten;
    const std::optional<engine::PassResult> result = pass();
    mPassRunning = false;
    if (result && !result->newPlan) {
        reportPass(*result);
    }
    if (mOpenDocumentWaiting) {
        mOpenDocumentWaiting = false;
        powerLogicApp_OpenDocument();
    }
}

void frmRenPart::reportPass(const engine::PassResult& result) {
    const engine::PassOptions options =
        engine::passOptions(*this, optStart() ? engine::PassScope::AllComponents
                                              : engine::PassScope::SelectedComponents);
    PassReport report;
    report.heading = "Pass of " +
                     QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString() +
                     ": " + describeMode(options) + ", start from " + std::to_string(options.start);
    report.eco = mEcoWent;
    if (result.completed) {
        const PassSummary summary = summarize(result.namesRead, result.applied);
        report.outcome = std::to_string(result.changed.size()) + " components got a new name; " +
                         std::to_string(summary.kept.size()) + " kept their names.";
        for (const auto& [before, after] : result.changed) {
            report.rows.push_back({before, after, {}});
        }
        report.rows.insert(report.rows.end(), summary.kept.begin(), summary.kept.end());
    } else {
        report.outcome = "The pass stopped: " + result.stopMessage;
        for (const auto& [before, after] : result.renames) {
            report.rows.push_back({before, after, "still in effect"});
        }
    }
    mNotChanged->setReport(report);
}

void frmRenPart::mnuPreview_Click() {
    mPreview->showPreview();
}

void frmRenPart::mnuHelpPage_Click() {
    const QUrl page = helpPageUrl();
    bool opened = false;
    try {
        opened = mDialogs.openUrl(page);
    } catch (...) {
        // Said below, with the page's place, which the user can open by hand.
    }
    if (!opened) {
        showMessage(engine::MessageStyle::Exclamation, "Sequate",
                    "The help page could not be opened. It is at " +
                        page.toLocalFile().toStdString());
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
    const host::EcoDelivery delivery = eco::ShowFileDialog(state.oldNames, state.newNames, mEcoUi);
    mEcoWent = ecoWent(delivery, mEcoUi.chosenPath());
    return delivery;
}

host::EcoDelivery frmRenPart::AlsoInPCB(const engine::FormState& state) {
    const host::EcoDelivery delivery =
        eco::AlsoInPCB(*state.powerLogicApp, *mObjects, state.oldNames, state.newNames);
    mEcoWent = ecoWent(delivery, "read by the layout open in PowerPCB");
    return delivery;
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
