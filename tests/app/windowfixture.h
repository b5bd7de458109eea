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

// A document whose components lie left to right in the given order.
inline host::sim::DocumentData document(std::string name, const std::vector<std::string>& parts,
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

struct SimHosts {
    explicit SimHosts(std::vector<host::sim::DocumentData> documents)
        : logic(documents), pcb(layoutOf(documents)) {}

    static std::optional<host::sim::LayoutData>
    layoutOf(const std::vector<host::sim::DocumentData>& documents) {
        if (documents.empty()) {
            return std::nullopt;
        }
        host::sim::LayoutData layout{"board.pcb", {}};
        for (const auto& component : documents.front().components) {
            layout.parts.push_back(component.name);
        }
        return layout;
    }

    host::sim::SimPowerLogic logic;
    host::sim::SimPowerPcb pcb;
};

class WindowTest : public ::testing::Test {
protected:
    // Starts the program with PowerLogic running these documents (the first one open).
    void start(std::vector<host::sim::DocumentData> documents) {
        hosts = std::make_unique<SimHosts>(std::move(documents));
        launched = app::launch(
            std::make_unique<host::sim::SimRunningObjects>(&hosts->logic, &hosts->pcb), dialogs);
    }

    // Starts the program with no PowerLogic running.
    void startWithoutPowerLogic() {
        launched =
            app::launch(std::make_unique<host::sim::SimRunningObjects>(nullptr, nullptr), dialogs);
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
        auto* box = child<QLineEdit>("frmStart/txtStart");
        box->clear();
        QTest::keyClicks(box, text);
    }

    void run() { click("cmdRun"); }

    FakeDialogs dialogs;
    std::unique_ptr<SimHosts> hosts; // outlives the window
    app::Launch launched;
};

} // namespace sequate::testing
