#pragma once

class QUrl;

namespace scribel {

// The desktop's "open" action for a file, a web address or a mail address.
class OpenAction {
public:
    virtual ~OpenAction() = default;

    // False when the desktop reports that it could not open the target.
    virtual bool open(const QUrl& target) = 0;
};

} // namespace scribel
