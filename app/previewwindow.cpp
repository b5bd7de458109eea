#include "previewwindow.h"

#include "engine/runcommand.h"
#include "passsummary.h"
#include "widgets/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sequate::app {

namespace {

std::string ecoDestination(const engine::FormWindow& window) {
    if (!window.chkSend())
        return "not written (\"Write ECO file for PowerPCB\" is not ticked)";
    if (window.optECO())
        return "\"Write only\": to a file you choose when the pass ends";
    return "\"Write and force read in PCB\": read into the layout open in PowerPCB";
}

std::string codeCounts(const std::vector<CodeCount>& counts) {
    std::string text = "Per letter code:";
    for (const CodeCount& count : counts) {
        text += "\n  " + (count.code.empty() ? std::string("(none)") : count.code) + ": " +
                std::to_string(count.renamed) + " renamed, " + std::to_string(count.kept) + " kept";
    }
    return text;
}

} // namespace

std::optional<engine::PassScope> checkedScope(engine::FormWindow& window) {
    const auto checked = [&](engine::PassScope scope,
                             const char* refusal) -> std::optional<engine::PassScope> {
        if (!engine::acceptableStart(window.startText())) {
            window.showMessage(engine::MessageStyle::Exclamation, "Error Message", refusal);
            return std::nullopt;
        }
        return scope;
    };
    if (window.optStart())
        return checked(engine::PassScope::AllComponents, "Illegal Value");
    if (window.optSelected())
        return checked(engine::PassScope::SelectedComponents, "Illegal value in Start textbox");
    return std::nullopt;
}

PreviewWindow::PreviewWindow(engine::HostSession& state, engine::FormWindow& window,
                             QWidget* parent)
    : QDialog(parent), mState(state), mWindow(window) {
    setObjectName("frmPreview");
    setWindowTitle("Sequate - preview");
    // The plan holds only while the options and the schematic stay as they are.
    setWindowModality(Qt::WindowModal);

    mLblSummary = new QLabel(this);
    mLblSummary->setObjectName("lblSummary");
    mLblSummary->setWordWrap(true);
    mLblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mLblCodes = new QLabel(this);
    mLblCodes->setObjectName("lblCodes");
    mNames = makeNameList(*this);

    mCmdApply = new QPushButton("&Apply", this);
    mCmdApply->setObjectName("cmdApply");
    connect(mCmdApply, &QPushButton::clicked, this, &PreviewWindow::applyClicked);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCmdApply);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mLblSummary);
    layout->addWidget(mNames.filter);
    layout->addWidget(mNames.list, 1);
    layout->addWidget(mLblCodes);
    layout->addLayout(buttons);
    resize(widgets::twipsRect(*this, 0, 0, 6000, 6600).size());
}

void PreviewWindow::showPreview() {
    try {
        const std::optional<engine::PassScope> scope = checkedScope(mWindow);
        if (!scope)
            return;
        mScope = *scope;
        const engine::PlanPreview preview = engine::previewPass(mState, mWindow, mScope);
        showPlan(preview.names, preview.plan);
    } catch (const std::exception& problem) {
        sayUnexpected(std::string("The preview ended because of an unexpected problem: ") +
                      problem.what());
    }
}

std::optional<engine::PassResult> PreviewWindow::applyPlan() {
    try {
        engine::PassResult result = engine::runPass(mState, mWindow, mScope, &mPlan);
        if (result.newPlan) {
            showPlan(result.namesRead, *result.newPlan);
            return std::nullopt;
        }
        hide();
        return result;
    } catch (const std::exception& problem) {
        sayUnexpected(std::string("The pass ended because of an unexpected problem: ") +
                      problem.what());
    }
    return std::nullopt;
}

// Like Run, a slot lets no exception reach Qt's event loop.
void PreviewWindow::sayUnexpected(const std::string& text) {
    hide();
    mWindow.showMessage(engine::MessageStyle::Critical, "Sequate", text);
}

void PreviewWindow::showPlan(const std::vector<std::string>& names, const engine::PassPlan& plan) {
    mPlan = plan;
    const PassSummary summary = summarize(names, plan);
    const engine::PassOptions options = engine::passOptions(mWindow, mScope);
    std::string text = describeMode(options) + ", start from " + std::to_string(options.start);
    if (plan.stop) {
        text += "\nRun would stop: " + *plan.stop;
    } else {
        text += "\n" + std::to_string(summary.renamed.size()) + " components get a new name";
        if (summary.throughTemporary > 0)
            text += ", " + std::to_string(summary.throughTemporary) +
                    " of them by way of a temporary name";
        text += "; " + std::to_string(summary.kept.size()) + " keep their names.";
    }
    text += "\nECO file: " + ecoDestination(mWindow);
    mLblSummary->setText(QString::fromStdString(text));
    mLblCodes->setText(QString::fromStdString(codeCounts(summary.perCode)));
    std::vector<NameRow> rows = summary.renamed;
    rows.insert(rows.end(), summary.kept.begin(), summary.kept.end());
    fillNameList(mNames, rows);
    mCmdApply->setEnabled(!plan.stop);
    show();
    raise();
}

} // namespace sequate::app
