#pragma once

#include <QDate>

namespace scribel {

// Today's date, handed in from outside so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

} // namespace scribel
