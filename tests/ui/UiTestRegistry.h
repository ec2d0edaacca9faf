#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vesk::test {

using UiTestFactory = std::function<std::unique_ptr<QObject>()>;

// The QtTest classes of this executable, run one after another by main.
inline std::vector<UiTestFactory>& RegisteredUiTests() {
    static std::vector<UiTestFactory> tests;
    return tests;
}

// A file-scope `static RegisterUiTest<MyTest> registered;` adds a class.
template <typename Test>
struct RegisterUiTest {
    RegisterUiTest() {
        RegisteredUiTests().push_back([] { return std::make_unique<Test>(); });
    }
};

}  // namespace vesk::test
