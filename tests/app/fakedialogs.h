#pragma once

// Answers the program's dialogs in tests and remembers what was shown.

#include "app/dialogs.h"

#include <QUrl>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

namespace sequate::testing {

struct ShownMessage {
    engine::MessageStyle style;
    QString title;
    QString text;

    bool operator==(const ShownMessage&) const = default;
};

inline void PrintTo(const ShownMessage& message, std::ostream* out) {
    *out << static_cast<int>(message.style) << " \"" << message.title.toStdString() << "\" \""
         << message.text.toStdString() << '"';
}

class FakeDialogs : public app::Dialogs {
public:
    std::vector<ShownMessage> messages;
    std::vector<QString> filters;                   // one per file dialog shown
    std::deque<std::optional<QString>> saveAnswers; // nullopt, or none left: Cancel
    std::function<void()> whileFileDialogOpen;      // runs while the file dialog is "on screen"
    bool keepOnCancel = false;
    std::vector<QUrl> urls; // every address asked to open
    bool browserOpens = true;

    void showMessage(QWidget*, engine::MessageStyle style, const QString& title,
                     const QString& text) override {
        messages.push_back({style, title, text});
    }

    std::optional<QString> chooseSaveFile(QWidget*, const QString& filter) override {
        filters.push_back(filter);
        if (whileFileDialogOpen) {
            whileFileDialogOpen();
        }
        if (saveAnswers.empty()) {
            return std::nullopt;
        }
        const std::optional<QString> answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    bool keepRenamesWithoutEco(QWidget*) override { return keepOnCancel; }
    bool putBackUnfinishedPass(QWidget*, const QString&) override { return true; }

    bool openUrl(const QUrl& url) override {
        urls.push_back(url);
        return browserOpens;
    }
};

} // namespace sequate::testing
