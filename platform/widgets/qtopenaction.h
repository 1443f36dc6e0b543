#pragma once

#include "platform/core/openaction.h"

#include <QObject>

namespace scribel {

// The desktop's open action: xdg-open, run beside the window, whose exit status tells
// whether a program of the desktop took the target.
class QtOpenAction final : public OpenAction {
public:
    ~QtOpenAction() override;

    void open(const QUrl& target, QObject* context, std::function<void()> failed) override;

private:
    QObject m_running; // the parent of the openers not yet finished
};

} // namespace scribel
