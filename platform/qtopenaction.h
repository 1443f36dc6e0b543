#pragma once

#include "openaction.h"

namespace scribel {

// The desktop's open action (xdg-open on Linux), through QDesktopServices.
class QtOpenAction final : public OpenAction {
public:
    bool open(const QUrl& target) override;
};

} // namespace scribel
