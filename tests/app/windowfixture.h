#pragma once

// The main window started against the in-memory PowerLogic and PowerPCB, offscreen, with the
// dialogs answered by FakeDialogs, which remembers what was shown.

#include "app/dialogs.h"
#include "app/launch.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "tests/support/getchild.h"
#include "tests/support/qtprint.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace sequate::testing {

class FakeDialogs : public app::Dialogs {
public:
    std::vector<QString>
        messages; // "critical | title | text", "exclamation | ..." or "information | ..."
    std::vector<QString> offeredNames;              // one per file dialog shown
    std::deque<std::optional<QString>> saveAnswers; // nullopt, or none left: Cancel
    bool defaultAnswer = true;                      // to every question

    void showMessage(QWidget*, const ui::Message& message) override {
        static const char* const icons[] = {"critical | ", "exclamation | ", "information | "};
        messages.push_back(icons[static_cast<int>(message.kind)] +
                           QString::fromStdString(message.title + " | " + message.text));
    }

    std::optional<QString> chooseSaveFile(QWidget*, const QString&, const QString& = {},
                                          const QString& offered = {}) override {
        offeredNames.push_back(offered);
        std::optional<QString> answer;
        if (!saveAnswers.empty()) {
            answer = saveAnswers.front();
            saveAnswers.pop_front();
        }
        return answer;
    }

    bool ask(QWidget*, const ui::Question&) override { return defaultAnswer; }
    bool openUrl(const QUrl&) override { return true; }
};

using Names = std::vector<std::string>;

// A document whose components lie left to right in the given order.
inline host::sim::DocumentData document(std::string name, const Names& parts) {
    host::sim::DocumentData doc{std::move(name), {}};
    for (std::size_t i = 0; i < parts.size(); ++i)
        doc.components.push_back({parts[i], false, {{100.0 * static_cast<double>(i), 0.0}}});
    return doc;
}

class WindowTest : public ::testing::Test {
protected:
    // Each test starts as a first start does; the options it leaves are its own to read back.
    WindowTest() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Sequate", "Sequate").clear();
    }

    // Starts the program with PowerLogic running these documents (the first one open) and
    // PowerPCB holding the first one's layout.
    void start(const std::vector<host::sim::DocumentData>& documents) {
        launched = {};
        host::sim::LayoutData layout{"board.pcb", {}};
        for (std::size_t i = 0; !documents.empty() && i < documents[0].components.size(); ++i)
            layout.parts.push_back(documents[0].components[i].name);
        logic = std::make_unique<host::sim::SimPowerLogic>(documents);
        pcb = std::make_unique<host::sim::SimPowerPcb>(layout);
        launched = app::launch(
            std::make_unique<host::sim::SimRunningObjects>(logic.get(), pcb.get()), dialogs);
    }

    app::MainWindow& window() { return *launched.window; }

    template <typename T = QWidget>
    T* child(const QString& path) {
        return getChild<T>(window(), path);
    }
    bool shown(const QString& path) { return child(path)->isVisible(); }
    void trigger(const QString& action) { child<QAction>(action)->trigger(); }

    // Clicks where the option's own circle or box is, as a user does.
    void click(const QString& path) {
        auto* button = child<QAbstractButton>(path);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void typeStart(const QString& text) {
        child<QLineEdit>("txtStart")->clear();
        QTest::keyClicks(child("txtStart"), text);
    }

    void run() { click("cmdRun"); }

    FakeDialogs dialogs;
    std::unique_ptr<host::sim::SimPowerLogic> logic; // outlive the window
    std::unique_ptr<host::sim::SimPowerPcb> pcb;
    app::Launch launched;
};

} // namespace sequate::testing
