#pragma once

namespace vesk::platform::test {

// "<test program> --hold-lock <path>": try the lock; print "held" and keep it
// until standard input closes, or print "refused" and exit with 1.
inline constexpr const char* kHoldLockOption = "--hold-lock";

int HoldLock(const char* path);

}  // namespace vesk::platform::test
