#pragma once

#include <functional>

class QObject;
class QUrl;

namespace scribel {

// The desktop's "open" action for a file, a web address or a mail address.
class OpenAction {
public:
    virtual ~OpenAction() = default;

    // Hands `target` to the desktop and returns without waiting for it. When the desktop
    // reports, then or later, that it could not open the target, `failed` is called on this
    // thread, unless `context` is gone by then.
    virtual void open(const QUrl& target, QObject* context, std::function<void()> failed) = 0;
};

} // namespace scribel
