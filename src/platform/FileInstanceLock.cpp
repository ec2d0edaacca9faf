#include "FileInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <utility>

namespace vesk::platform {

FileInstanceLock::FileInstanceLock(QString path) : path_(std::move(path)) {}

FileInstanceLock::~FileInstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FileInstanceLock::Acquire() {
    if (fd_ >= 0) {
        return true;
    }
    QDir().mkpath(QFileInfo(path_).path());
    // Close-on-exec: a browser or player started from the program must not
    // inherit the lock and keep the next start out after the program ends.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        // Without a lock file nothing can be told about other instances;
        // refusing to start would leave the user with no program at all.
        return true;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        // Only a lock held elsewhere means another instance; a file system
        // without locks cannot tell, and is treated like a missing lock file.
        return error != EWOULDBLOCK;
    }
    fd_ = fd;
    return true;
}

}  // namespace vesk::platform
