#pragma once

#include <QString>

#include "InstanceLock.h"

namespace vesk::platform {

// An advisory lock (flock) on a lock file. The system drops it when the
// process ends, however it ends, so a crash never keeps the program out.
class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(QString path);
    ~FileInstanceLock() override;
    FileInstanceLock(const FileInstanceLock&) = delete;
    FileInstanceLock& operator=(const FileInstanceLock&) = delete;

    bool Acquire() override;

private:
    QString path_;
    int fd_ = -1;
};

}  // namespace vesk::platform
