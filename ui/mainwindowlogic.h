#pragma once

// What the main window decides, apart from any toolkit: the options and their click effects,
// Run and Preview with the check of the start number, the report of the last pass, and the
// documents PowerLogic opens, which wait while a pass holds the window, and End and Escape,
// which during a pass ask whether to stop it. A view forwards the user's clicks and keys here
// and shows what it is told.

#include "engineseam.h"
#include "host/powerlogic.h"
#include "mainview.h"
#include "optionpanel.h"
#include "passtexts.h"
#include "savefile.h"

#include <memory>
#include <optional>

namespace sequate::ui {

// Where the keyboard goes once a pass has ended: back to the control that had it before, when
// that can take it now, else to the default button. Never to End, unless it was there.
Control focusAfterPass(std::optional<Control> before, const OptionPanel& options);

class MainWindowLogic : public host::LogicApplicationEvents {
public:
    MainWindowLogic(MainView& view, engine::EcoHandOff& eco);
    ~MainWindowLogic() override;

    // While the window is still hidden; once running, the window follows the documents
    // PowerLogic opens, and has taken the options and the place remembered from the last
    // start. Old program: Form_Load.
    engine::StartupOutcome startUp(host::RunningObjects& objects);
    // Offers to put back or keep what a pass cut short left in the open schematic.
    void recoverUnfinishedPass();
    const engine::HostSession& session() const { return mSeam.session(); }

    // An option or the ECO check box was clicked.
    void click(Control control);
    // The user changed a text box's text: the start box's or the leave-alone box's.
    void textEdited(Control box, const std::string& text);
    // The user chose an entry of the order box.
    void orderChosen(engine::WalkOrder order);
    // Old program: cmdRun_Click.
    void run();
    // Pass > Preview, and Apply in the preview.
    void preview();
    void apply();
    // Save as ECO file in the preview: the plan shown, asked for and told in the preview's
    // dialogs. Renames nothing.
    void savePlanAsEco(SaveDialog& dialog);
    // Pass > Last pass report.
    void openReport();
    // Pass > Put back the last pass.
    void putBackLastPass();
    // End, or closing the main window: remembers the options and ends the program, or, while a pass
    // is under way, asks whether to stop it. False when the program goes on.
    bool end();
    // Escape or the End key in the main window: while a pass is under way, asks whether to stop
    // it; otherwise nothing.
    void escape();
    bool passRunning() const { return mPassRunning; }

    const OptionPanel& options() const { return mOptions; }

    // PowerLogic opened a document. Old program: powerLogicApp_OpenDocument.
    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override;

private:
    // A pass or a preview holds the window until it ends: the view disables what could start
    // another, and a document opened meanwhile is taken up after it.
    void beginHold();
    void endHold();
    // A pass, with its account and its report.
    template <typename Pass>
    void held(const PassRequest& request, Pass pass);
    void askToStop();
    // The request of the options, or nothing after the refusal is shown.
    std::optional<PassRequest> choose(PassButton pressed);
    void showPlan(const PassRequest& request, const PreviewText& text,
                  const engine::PassPlan& plan);
    void takeUpOpenedDocument();
    void restoreOptions();
    void rememberOptions();
    void followPowerLogic();
    // What the account line says of kept renames waiting for their ECO file; empty when none.
    std::string waitingLine() const;

    MainView& mView;
    OptionPanel mOptions;
    EngineSeam mSeam;
    PassReport mReport;
    std::optional<PassRequest> mPreviewRequest; // the request and plan the preview shows
    engine::PassPlan mPreviewPlan;
    std::shared_ptr<host::LogicApplication> mAdvised;
    bool mPassRunning = false;
    bool mOpenDocumentWaiting = false;
    std::optional<Control> mFocusBefore; // the keyboard's place when the pass began
    std::string mAccount;                // the last pass's account
};

} // namespace sequate::ui
