#pragma once

// The main window started against the in-memory PowerLogic and PowerPCB, offscreen, with the
// dialogs answered by FakeDialogs.

#include "app/launch.h"
#include "fakedialogs.h"
#include "getchild.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simpowerpcb.h"
#include "host/sim/simrunningobjects.h"
#include "qtprint.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace sequate::testing {

using Names = std::vector<std::string>;

// A document whose components lie left to right in the given order.
inline host::sim::DocumentData document(std::string name, const Names& parts,
                                        const std::vector<std::size_t>& selected = {}) {
    host::sim::DocumentData doc{std::move(name), {}};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        doc.components.push_back({parts[i], false, {{100.0 * static_cast<double>(i), 0.0}}});
    }
    for (std::size_t i : selected) {
        doc.components.at(i).selected = true;
    }
    return doc;
}

class WindowTest : public ::testing::Test {
protected:
    // Starts the program with PowerLogic running these documents (the first one open) and
    // PowerPCB holding the first one's layout; without PowerLogic when running is false.
    void start(const std::vector<host::sim::DocumentData>& documents, bool running = true) {
        launched = {};
        host::sim::LayoutData layout{"board.pcb", {}};
        for (std::size_t i = 0; !documents.empty() && i < documents[0].components.size(); ++i) {
            layout.parts.push_back(documents[0].components[i].name);
        }
        logic = std::make_unique<host::sim::SimPowerLogic>(documents);
        pcb = std::make_unique<host::sim::SimPowerPcb>(layout);
        launched = app::launch(std::make_unique<host::sim::SimRunningObjects>(
                                   running ? logic.get() : nullptr, running ? pcb.get() : nullptr),
                               dialogs);
    }

    app::MainWindow& window() { return *launched.window; }

    template <typename T = QWidget>
    T* child(const QString& path) {
        return getChild<T>(window(), path);
    }

    // Clicks where the option's own circle or box is, as a user does.
    void click(const QString& path) {
        auto* button = child<QAbstractButton>(path);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    void typeStart(const QString& text) {
        auto* box = child<QLineEdit>("txtStart");
        box->clear();
        QTest::keyClicks(box, text);
    }

    void run() { click("cmdRun"); }

    FakeDialogs dialogs;
    std::unique_ptr<host::sim::SimPowerLogic> logic; // outlive the window
    std::unique_ptr<host::sim::SimPowerPcb> pcb;
    app::Launch launched;
};

} // namespace sequate::testing
