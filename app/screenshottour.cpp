#include "screenshottour.h"

#include "mainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <functional>

namespace sequate::app {

namespace {

// Long enough for a window manager to place a newly shown window.
constexpr int settleMs = 400;

void click(MainWindow& window, const char* name) {
    window.findChild<QAbstractButton*>(name)->click();
}

// A window that never opened would still be drawn by grab(), as if the user had seen it; its
// picture is left out instead, so that the missing file tells that the tour went wrong.
void save(QWidget* widget, const QString& folder, const QString& name) {
    if (!widget || !widget->isVisible()) {
        qWarning("No picture %s: the window did not open", qPrintable(name));
        return;
    }
    if (!widget->grab().save(QDir(folder).filePath(name))) {
        qWarning("Could not save %s in %s", qPrintable(name), qPrintable(folder));
    }
}

// A pass over every component without the ECO step, so that the preview, the report window
// and the main window's account line have something to show and nothing is written.
void choosePassOverAll(MainWindow& window) {
    click(window, "optStart");
    window.findChild<QLineEdit*>("txtStart")->setText("1");
}

void later(MainWindow& window, std::function<void()> step) {
    QTimer::singleShot(settleMs, &window, std::move(step));
}

} // namespace

void startScreenshotTour(MainWindow& window, const QString& folder) {
    choosePassOverAll(window);
    later(window, [&window, folder] {
        window.findChild<QAction*>("mnuPreview")->trigger();
        later(window, [&window, folder] {
            QWidget* preview = window.findChild<QWidget*>("frmPreview");
            save(preview, folder, "preview-window.png");
            preview->hide();
            // A pass still running a second on (a large schematic's) is taken too, with its
            // account line saying how far it has got.
            QTimer::singleShot(1000, &window, [&window, folder] {
                if (window.logic().passRunning())
                    save(&window, folder, "main-window-during-pass.png");
            });
            click(window, "cmdRun");
            later(window, [&window, folder] {
                save(window.findChild<QWidget*>("frmNotChanged"), folder, "report-window.png");
                save(&window, folder, "main-window.png");
                window.findChild<QAction*>("mnuAbout")->trigger();
                later(window, [&window, folder] {
                    save(window.findChild<QWidget*>("frmAbout"), folder, "about-box.png");
                    window.close();
                });
            });
        });
    });
}

} // namespace sequate::app
