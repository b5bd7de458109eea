#pragma once

// Pass > Preview: what Run would do with the options as they are set, read from the schematic
// with nothing renamed. Apply runs exactly the plan shown; if the schematic changed since, the
// new plan is shown instead.

#include "engine/formwindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "reportwindow.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

namespace sequate::app {

class PreviewWindow : public QDialog {
    Q_OBJECT

public:
    PreviewWindow(engine::HostSession& state, engine::FormWindow& window, QWidget* parent);

    // Checks the start number as Run does, reads the plan and shows it.
    void showPreview();
    // The pass of the plan shown, or nothing when the schematic gave a new plan, now shown.
    std::optional<engine::PassResult> applyPlan();
    const engine::PassPlan& plan() const { return mPlan; }

signals:
    void applyClicked();

private:
    void showPlan(const std::vector<std::string>& names, const engine::PassPlan& plan);
    void sayUnexpected(const std::string& text);

    engine::HostSession& mState;
    engine::FormWindow& mWindow;
    engine::PassScope mScope = engine::PassScope::AllComponents;
    engine::PassPlan mPlan;
    QLabel* mLblSummary = nullptr;
    QLabel* mLblCodes = nullptr;
    NameList mNames;
    QPushButton* mCmdApply = nullptr;
};

// The scope the checked start option asks for, once the start box holds an acceptable number:
// the same check and messages as Run. Nothing when no option is checked or the number is
// refused.
std::optional<engine::PassScope> checkedScope(engine::FormWindow& window);

} // namespace sequate::app
