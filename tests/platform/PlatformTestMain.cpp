#include <QGuiApplication>
#include <QTest>
#include <cstring>

#include "PlatformTestSupport.h"

int main(int argc, char** argv) {
    // The lock tests start this program again as the "other instance".
    if (argc == 3 && std::strcmp(argv[1], vesk::platform::test::kHoldLockOption) == 0) {
        return vesk::platform::test::HoldLock(argv[2]);
    }
    QGuiApplication app(argc, argv);
    int failed = 0;
    for (const auto& make : vesk::platform::test::RegisteredTests()) {
        failed += QTest::qExec(make().get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
