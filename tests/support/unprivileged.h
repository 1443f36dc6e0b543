#pragma once

// Runs work in a child process that has given up every capability: root then meets file
// permissions as their owner does, so that a refusal is seen by every user, root or not.

#include "support/filesizelimit.h"

namespace scribel::test {

// What work returned in the child; nothing when the child could not run or report.
std::optional<QByteArray> runWithoutPrivileges(const std::function<QByteArray()>& work);

} // namespace scribel::test
