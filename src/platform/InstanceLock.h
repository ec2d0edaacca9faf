#pragma once

namespace vesk::platform {

// Makes sure that one instance of the program runs per user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;

    // True when no other instance holds the lock; it is then held until this
    // object is destroyed or the process ends.
    virtual bool Acquire() = 0;
};

}  // namespace vesk::platform
