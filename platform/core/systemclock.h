#pragma once

#include "clock.h"

namespace scribel {

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace scribel
