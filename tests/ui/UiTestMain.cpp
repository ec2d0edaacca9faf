#include <QApplication>
#include <QTest>

#include "UiTestRegistry.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& make : vesk::test::RegisteredUiTests()) {
        const auto test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
