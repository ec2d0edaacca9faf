#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vesk::test {

struct UiTest {
    // The class's name as moc gives it, namespaces included.
    const char* className;
    std::function<std::unique_ptr<QObject>()> make;
};

// The QtTest classes of this executable, run one after another by main.
inline std::vector<UiTest>& RegisteredUiTests() {
    static std::vector<UiTest> tests;
    return tests;
}

// A file-scope `static RegisterUiTest<MyTest> registered;` adds a class.
template <typename Test>
struct RegisterUiTest {
    RegisterUiTest() {
        RegisteredUiTests().push_back(
            {Test::staticMetaObject.className(), [] { return std::make_unique<Test>(); }});
    }
};

}  // namespace vesk::test
