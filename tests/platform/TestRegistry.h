#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vesk::platform::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// The QtTest classes of this executable, run one after another by main.
inline std::vector<TestFactory>& RegisteredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

template <typename Test>
struct RegisterTest {
    RegisterTest() {
        RegisteredTests().push_back([] { return std::make_unique<Test>(); });
    }
};

}  // namespace vesk::platform::test
