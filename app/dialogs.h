#pragma once

// Everything modal the program shows: message boxes, questions, the file dialog and the
// browser. The window reaches them through this interface so that tests can answer them.

#include "about/urlopener.h"
#include "ui/dialogtexts.h"

#include <QString>
#include <optional>

class QWidget;

namespace sequate::app {

class Dialogs : public about::UrlOpener {
public:
    // One OK button; returns when the user has closed the box.
    virtual void showMessage(QWidget* parent, const ui::Message& message) = 0;
    // The save form of the file dialog, with a filter such as "ECO files (*.eco)", a caption
    // (the toolkit's own when empty) and a file name to offer (none when empty) in the folder
    // the dialog opens at anyway; no file name extension is added to what the user types.
    // Empty on Cancel.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                                  const QString& caption = {},
                                                  const QString& suggestedName = {}) = 0;
    // True when the user gave the question's default answer.
    virtual bool ask(QWidget* parent, const ui::Question& question) = 0;
};

} // namespace sequate::app
