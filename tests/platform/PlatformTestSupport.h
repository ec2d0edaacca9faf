#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vesk::platform::test {

// The QtTest classes of this executable, run one after another by main.
inline std::vector<std::function<std::unique_ptr<QObject>()>>& RegisteredTests() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> tests;
    return tests;
}

template <typename Test>
struct RegisterTest {
    RegisterTest() {
        RegisteredTests().push_back([] { return std::make_unique<Test>(); });
    }
};

// "<test program> --hold-lock <path>": try the lock; print "held" and keep it
// until standard input closes, or print "refused" and exit with 1.
inline constexpr const char* kHoldLockOption = "--hold-lock";
int HoldLock(const char* path);

// Sets (or with nothing, unsets) environment variables for one test and puts
// the old values back.
class EnvironmentGuard {
public:
    ~EnvironmentGuard() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) Put(it->first, it->second);
    }
    void Set(const char* name, std::optional<QByteArray> value) {
        saved_.emplace_back(
            name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : std::optional<QByteArray>());
        Put(name, value);
    }

private:
    static void Put(const char* name, const std::optional<QByteArray>& value) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }

    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

}  // namespace vesk::platform::test
