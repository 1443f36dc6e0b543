#pragma once

// Runs work in a child process whose files may not grow beyond a few bytes
// (RLIMIT_FSIZE, with SIGXFSZ ignored so that a write fails with EFBIG instead of
// killing the child): a disk that fills up, for any user, root or not.

#include <QByteArray>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scribel::test {

// What work returned in the child; nothing when the child could not run or report.
inline std::optional<QByteArray> runWithFileSizeLimit(rlim_t maxBytes,
                                                      const std::function<QByteArray()>& work) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const rlimit limit{maxBytes, maxBytes};
        ::signal(SIGXFSZ, SIG_IGN);
        int status = 1;
        if (::setrlimit(RLIMIT_FSIZE, &limit) == 0) {
            const QByteArray report = work();
            status =
                ::write(channel[1], report.constData(), report.size()) == report.size() ? 0 : 1;
        }
        ::_exit(status); // no test framework, exit handler or leak check runs in the child
    }
    ::close(channel[1]);
    QByteArray report;
    char buffer[256];
    ssize_t count = 0;
    while (child > 0 && (count = ::read(channel[0], buffer, sizeof buffer)) != 0) {
        if (count > 0) {
            report.append(buffer, count);
        } else if (errno != EINTR) {
            break;
        }
    }
    ::close(channel[0]);
    int status = -1;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return report;
}

} // namespace scribel::test
