#pragma once

// Everything modal the program shows: message boxes, the file dialog and the browser. The
// window reaches them through this interface so that tests can answer them.

#include "about/urlopener.h"
#include "engine/formwindow.h"

#include <QString>
#include <optional>

class QWidget;

namespace sequate::app {

class Dialogs : public about::UrlOpener {
public:
    // One OK button; returns when the user has closed the box.
    virtual void showMessage(QWidget* parent, engine::MessageStyle style, const QString& title,
                             const QString& text) = 0;
    // The save form of the file dialog, with a filter such as "ECO files (*.eco)" and a caption
    // (the toolkit's own when empty); no file name extension is added to what the user types.
    // Empty on Cancel.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                                  const QString& caption = {}) = 0;
    // After Cancel in the save dialog: true keeps the renames without an ECO file, false (the
    // default button, and Escape) does what the question says.
    virtual bool keepRenamesWithoutEco(QWidget* parent, const QString& question) = 0;
    // A pass was cut short: true puts its renames back (the default button, and Escape), false
    // keeps them.
    virtual bool putBackUnfinishedPass(QWidget* parent, const QString& question) = 0;
};

} // namespace sequate::app
