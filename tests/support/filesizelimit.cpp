#include "support/filesizelimit.h"

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace scribel::test {

std::optional<QByteArray> runWithFileSizeLimit(rlim_t maxBytes,
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
