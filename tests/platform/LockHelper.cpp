#include "LockHelper.h"

#include <cstdio>

#include "platform/FileInstanceLock.h"

namespace vesk::platform::test {

int HoldLock(const char* path) {
    FileInstanceLock lock(QString::fromLocal8Bit(path));
    if (!lock.Acquire()) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

}  // namespace vesk::platform::test
