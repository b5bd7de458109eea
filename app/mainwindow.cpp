#include "mainwindow.h"

#include "about/aboutbox.h"
#include "about/productname.h"
#include "dialogs.h"
#include "eco/layouthandoff.h"
#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "optiongroup.h"
#include "passsummary.h"
#include "previewwindow.h"
#include "reportwindow.h"
#include "widgets/topmost.h"
#include "widgets/twips.h"

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

MainWindow::MainWindow(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs)
    : mObjects(std::move(objects)), mDialogs(dialogs), mControls(createRenPartControls(*this)),
      mProgress(*mControls.progressBar), mEcoUi(dialogs, *this) {
    setObjectName("frmRenPart");
    setWindowTitle(about::productName);
    mNotChanged = new ReportWindow(this, &dialogs);
    mPreview = new PreviewWindow(mState, *this, this);
    connectHandlers();
}

MainWindow::~MainWindow() {
    if (mAdvised) {
        mAdvised->unadvise(this);
    }
}

void MainWindow::connectHandlers() {
    const MainWindowControls& c = mControls;
    connect(c.optStart, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            allComponentsChosen();
        }
    });
    connect(c.optSelected, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            selectedComponentsChosen();
        }
    });
    connect(c.chkSend, &QCheckBox::clicked, this, &MainWindow::sendEcoToggled);
    connect(c.cmdRun, &QPushButton::clicked, this, &MainWindow::runClicked);
    connect(c.cmdEnd, &QPushButton::clicked, this, &MainWindow::endClicked);
    connect(c.mnuPreview, &QAction::triggered, this, &MainWindow::previewChosen);
    connect(c.mnuReport, &QAction::triggered, mNotChanged, &ReportWindow::showReport);
    connect(c.mnuHelpPage, &QAction::triggered, this, &MainWindow::helpPageChosen);
    connect(c.mnuAbout, &QAction::triggered, this, &MainWindow::aboutChosen);
    connect(mPreview, &PreviewWindow::applyClicked, this,
            [this] { runPass([this] { return mPreview->applyPlan(); }); });
}

engine::StartupOutcome MainWindow::startUp() {
    const engine::StartupOutcome outcome = engine::startUp(mState, *this, *mObjects);
    if (outcome == engine::StartupOutcome::Running && mState.application) {
        mAdvised = mState.application;
        mAdvised->advise(this);
    }
    return outcome;
}

// --- option handlers ---

void MainWindow::allComponentsChosen() {
    clearOptions(*mControls.modeGroup);
    mControls.optAssign->setEnabled(false);
    mControls.optDuplicate->setEnabled(false);
    enableStartBox(mControls.optStart->isChecked());
}

void MainWindow::selectedComponentsChosen() {
    mControls.optAssign->setEnabled(true);
    mControls.optDuplicate->setEnabled(true);
    mControls.optAssign->setChecked(true);
    enableStartBox(mControls.optSelected->isChecked());
}

// A disabled box looks greyed; once enabled it has the background of any field one can type
// in, and no handler disables it again while a start option is selected.
void MainWindow::enableStartBox(bool selected) {
    mControls.txtStart->setEnabled(selected);
}

// The ECO options follow their own enabled state, not the check box: both start disabled
// with the box unchecked, so they are enabled exactly while it is checked.
void MainWindow::sendEcoToggled() {
    const bool enable = !mControls.optECO->isEnabled();
    mControls.optECO->setEnabled(enable);
    mControls.optDirect->setEnabled(enable);
}

// Notifications that arrive while a pass holds the window (a modal dialog at its end runs an
// event loop) wait until the pass is over.
void MainWindow::runClicked() {
    runPass([this] { return engine::pressRun(mState, *this); });
}

template <typename Pass>
void MainWindow::runPass(Pass pass) {
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
        takeUpOpenedDocument();
    }
}

void MainWindow::reportPass(const engine::PassResult& result) {
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

void MainWindow::previewChosen() {
    mPreview->showPreview();
}

void MainWindow::helpPageChosen() {
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

void MainWindow::endClicked() {
    endProgram(0);
}

void MainWindow::aboutChosen() {
    if (!mAbout) {
        mAbout = new about::AboutBox(mDialogs, this);
    }
    mAbout->keepOnTop(true);
    mAbout->move(pos() + widgets::twipsOffset(*this, aboutOffsetTwips, aboutOffsetTwips));
    mAbout->show();
    mAbout->raise();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endProgram(0);
    event->accept();
}

void MainWindow::endProgram(int exitStatus) {
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

void MainWindow::OpenDocument(std::shared_ptr<host::LogicDocument>) {
    if (mPassRunning) {
        mOpenDocumentWaiting = true;
        return;
    }
    takeUpOpenedDocument();
}

void MainWindow::takeUpOpenedDocument() {
    if (engine::takeUpOpenedDocument(mState, *this) == engine::StartupOutcome::EndProgram) {
        endProgram(1);
    }
}

// --- engine::FormWindow ---

void MainWindow::keepOnTop(bool onTop) {
    widgets::setAlwaysOnTop(*this, onTop);
}

void MainWindow::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::setStartText(const std::string& text) {
    mControls.txtStart->setText(QString::fromStdString(text));
}

void MainWindow::deselectOptStart() {
    unselectOption(*mControls.startGroup, *mControls.optStart);
}

bool MainWindow::optStart() const {
    return mControls.optStart->isChecked();
}

bool MainWindow::optSelected() const {
    return mControls.optSelected->isChecked();
}

bool MainWindow::optAssign() const {
    return mControls.optAssign->isChecked();
}

bool MainWindow::optDuplicate() const {
    return mControls.optDuplicate->isChecked();
}

bool MainWindow::chkSend() const {
    return mControls.chkSend->isChecked();
}

bool MainWindow::optECO() const {
    return mControls.optECO->isChecked();
}

bool MainWindow::optDirect() const {
    return mControls.optDirect->isChecked();
}

std::string MainWindow::startText() const {
    return mControls.txtStart->text().toStdString();
}

engine::ProgressBar& MainWindow::progressBar() {
    return mProgress;
}

void MainWindow::appendToReport(const std::string& text) {
    mNotChanged->appendText(text);
}

void MainWindow::showReport() {
    mNotChanged->showReport();
}

host::EcoDelivery MainWindow::writeEcoFile(const engine::EcoRows& rows) {
    const host::EcoDelivery delivery =
        eco::writeEcoFile(rows.oldNames, rows.newNames, mEcoUi, rows.beforeHandOver, rows.caption);
    mEcoWent = ecoWent(delivery, mEcoUi.chosenPath());
    return delivery;
}

host::EcoDelivery MainWindow::sendEcoToLayout(host::LogicApplication& powerLogic,
                                              const engine::EcoRows& rows) {
    const host::EcoDelivery delivery = eco::sendEcoToLayout(powerLogic, *mObjects, rows.oldNames,
                                                            rows.newNames, rows.beforeHandOver);
    mEcoWent = ecoWent(delivery, "read by the layout open in PowerPCB");
    return delivery;
}

std::string MainWindow::layoutUnreachable() {
    return eco::layoutUnreachable(*mObjects);
}

void MainWindow::recoverUnfinishedPass() {
    engine::recoverUnfinishedPass(mState, *this);
}

bool MainWindow::keepRenamesWithoutEco(const std::string& question) {
    return mDialogs.keepRenamesWithoutEco(this, QString::fromStdString(question));
}

bool MainWindow::putBackUnfinishedPass(const std::string& question) {
    return mDialogs.putBackUnfinishedPass(this, QString::fromStdString(question));
}

void MainWindow::showMessage(engine::MessageStyle style, const std::string& title,
                             const std::string& text) {
    mDialogs.showMessage(this, style, QString::fromStdString(title), QString::fromStdString(text));
}

} // namespace sequate::app
