#include "support/failing_writes.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

FileResult withFileSizeLimit(qint64 bytes, const std::function<FileResult()> &write)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limited);
    FileResult result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

FileResult inReadOnlyFolder(const QString &folder, const std::function<FileResult()> &write)
{
    const QFileDevice::Permissions old = QFile::permissions(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    FileResult result;
    if (geteuid() != 0) {
        result = write();
    } else {
        const pid_t child = fork();
        if (child == 0) {
            const uid_t nobody = 65534;
            if (setgid(nobody) != 0 || setuid(nobody) != 0)
                _exit(100);
            _exit(int(write().error));
        }
        int status = 0;
        waitpid(child, &status, 0);
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 101;
        result.error = code <= int(FileResult::Error::NotADirectory)
                           ? FileResult::Error(code)
                           : FileResult::Error::ReadFailed;
        result.path = folder;
    }
    QFile::setPermissions(folder, old);
    return result;
}
