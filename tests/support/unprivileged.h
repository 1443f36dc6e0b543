#pragma once

// Runs work in a child process that has given up every capability: root then meets file
// permissions as their owner does, so that a refusal is seen by every user, root or not.

#include "support/filesizelimit.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace scribel::test {

// What work returned in the child; nothing when the child could not run or report.
inline std::optional<QByteArray> runWithoutPrivileges(const std::function<QByteArray()>& work) {
    return runWithFileSizeLimit(RLIM_INFINITY, [&] {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3] = {};
        if (::syscall(SYS_capset, &header, none) != 0) {
            return QByteArray("capabilities kept");
        }
        return work();
    });
}

} // namespace scribel::test
