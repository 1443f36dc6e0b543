#pragma once

// Runs work in a child process whose files may not grow beyond a few bytes
// (RLIMIT_FSIZE, with SIGXFSZ ignored so that a write fails with EFBIG instead of
// killing the child): a disk that fills up, for any user, root or not.

#include <QByteArray>
#include <functional>
#include <optional>
#include <sys/resource.h>

namespace scribel::test {

// What work returned in the child; nothing when the child could not run or report.
std::optional<QByteArray> runWithFileSizeLimit(rlim_t maxBytes,
                                               const std::function<QByteArray()>& work);

} // namespace scribel::test
