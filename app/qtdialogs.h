#pragma once

#include "dialogs.h"

namespace sequate::app {

// The desktop's own message boxes, file dialog and web browser.
class QtDialogs : public Dialogs {
public:
    void showMessage(QWidget* parent, const ui::Message& message) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                          const QString& caption = {},
                                          const QString& suggestedName = {}) override;
    bool ask(QWidget* parent, const ui::Question& question) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace sequate::app
