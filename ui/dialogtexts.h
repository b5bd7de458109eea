#pragma once

// The message boxes and questions of the windows: their kind, title, words and which answer
// is the default. A view only shows them.

#include "engine/passports.h"
#include "engine/passrequest.h"
#include "engine/startup.h"

#include <string>

namespace sequate::ui {

// What a message box tells, which gives its icon (Failure: error, Refusal: warning,
// Information: information); the engine's and the windows' alike.
using engine::MessageKind;

struct Message {
    MessageKind kind = MessageKind::Failure;
    std::string title;
    std::string text;

    bool operator==(const Message&) const = default;
};

// A question with two answers. Enter gives the default answer; Escape gives it too when
// escapeGivesDefault, otherwise the other answer.
struct Question {
    std::string title;
    std::string text;
    std::string defaultAnswer;
    std::string otherAnswer;
    bool escapeGivesDefault = false;
};

// The start box holds no number a pass can start from, in the words of refusalMessage.
Message startRefusal(const std::string& words);
// The leave-alone box holds an entry that is neither a part name nor a letter code and *.
Message leaveAloneRefusal(const std::string& words);
// Start-up, or taking up a document PowerLogic opened, ends the program (outcome is not
// Running).
Message startupFailure(engine::StartupOutcome outcome, bool openedDocument);
// The main window's caption, naming the document taken up.
std::string documentCaption(engine::DocumentCaption moment, const std::string& document);
// Run or Preview with neither start option chosen; `then` is what to do next.
Message noStartOption(const std::string& then);
// The page is not where it was installed.
Message helpPageMissing(const std::string& path);
// The page is there, but nothing could show it.
Message helpPageNotOpened(const std::string& path);
Message csvNotSaved(const std::string& path, const std::string& reason);
// The ECO file of the previewed plan was not written: the ECO library's words, which name the
// path or the name the file cannot carry.
Message planNotSaved(const std::string& what);

// After Cancel in the save dialog, after a pass, a put-back or a recovery: the default answer,
// also for Escape, puts the names back; the other keeps the renames without an ECO file.
Question keepRenamesWithoutEcoQuestion(engine::WithoutEcoFile renames);
// A pass was cut short; the default answer, also for Escape, puts its renames back.
Question putBackQuestion(const std::string& text);
// Pass > Put back the last pass, with what it will do; the default answer puts it back, Escape
// leaves everything as it is.
Question putBackLastPassQuestion(const std::string& preview);
// End, Escape or closing the window while a pass is under way. The default answer, also for
// Escape, lets the pass go on; the other stops it, and its renames are put back.
Question stopPassQuestion();

} // namespace sequate::ui
