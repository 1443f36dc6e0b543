#include "support/unprivileged.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace scribel::test {

std::optional<QByteArray> runWithoutPrivileges(const std::function<QByteArray()>& work) {
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
