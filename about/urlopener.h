#pragma once

#include <QUrl>

namespace sequate::about {

// Opens a web address with the desktop's handler. Injected so that tests can see what would
// be opened, and so that a machine without a browser can be played.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // May fail in any way, by returning false or by throwing; callers decide what that means.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace sequate::about
