#pragma once

// The message boxes and questions of the windows: their kind, title, words and which answer
// is the default. A view only shows them.

#include "engine/passports.h"
#include "engine/passrequest.h"

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
// An exception reached the firewall of Run or of Preview.
Message passProblem(const std::string& what);
Message previewProblem(const std::string& what);
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

// After Cancel in the save dialog, after a pass or a recovery alike, with the engine's words:
// the default answer, also for Escape, puts the names back; the other keeps the renames
// without an ECO file.
Question keepRenamesWithoutEcoQuestion(const std::string& text);
// A pass was cut short; the default answer, also for Escape, puts its renames back.
Question putBackQuestion(const std::string& text);
// Pass > Put back the last pass, with what it will do; the default answer puts it back, Escape
// leaves everything as it is.
Question putBackLastPassQuestion(const std::string& preview);
// End, Escape or closing the window while a pass is under way. The default answer, also for
// Escape, lets the pass go on; the other stops it, and its renames are put back.
Question stopPassQuestion();

} // namespace sequate::ui
