#pragma once

#include <QByteArray>
#include <vector>

namespace vesk::platform::test {

// Sets environment variables for one test and puts the old values back.
class EnvironmentGuard {
public:
    EnvironmentGuard() = default;
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
    ~EnvironmentGuard() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->wasSet) {
                qputenv(it->name, it->value);
            } else {
                qunsetenv(it->name);
            }
        }
    }

    void Set(const char* name, const QByteArray& value) {
        Save(name);
        qputenv(name, value);
    }
    void Unset(const char* name) {
        Save(name);
        qunsetenv(name);
    }

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    void Save(const char* name) {
        saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    }

    std::vector<Saved> saved_;
};

}  // namespace vesk::platform::test
