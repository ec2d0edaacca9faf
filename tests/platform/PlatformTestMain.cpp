#include <QGuiApplication>
#include <QTest>
#include <cstring>

#include "LockHelper.h"
#include "TestRegistry.h"

int main(int argc, char** argv) {
    // The lock tests start this program again as the "other instance".
    if (argc == 3 && std::strcmp(argv[1], vesk::platform::test::kHoldLockOption) == 0) {
        return vesk::platform::test::HoldLock(argv[2]);
    }
    QGuiApplication app(argc, argv);
    int failed = 0;
    for (const auto& make : vesk::platform::test::RegisteredTests()) {
        const auto test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
