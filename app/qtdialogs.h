#pragma once

#include "dialogs.h"

namespace sequate::app {

// The desktop's own message boxes, file dialog and web browser.
class QtDialogs : public Dialogs {
public:
    void showMessage(QWidget* parent, engine::MessageStyle style, const QString& title,
                     const QString& text) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                          const QString& caption = {}) override;
    bool keepRenamesWithoutEco(QWidget* parent, const QString& question) override;
    bool putBackUnfinishedPass(QWidget* parent, const QString& question) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace sequate::app
