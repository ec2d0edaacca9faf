#include <QApplication>
#include <QByteArray>
#include <QTest>
#include <algorithm>
#include <vector>

#include "UiTestRegistry.h"

namespace {

// A class's name without its namespaces, as a user types it.
QByteArray ShortName(const char* className) {
    const QByteArray name(className);
    const qsizetype colons = name.lastIndexOf("::");
    return colons < 0 ? name : name.mid(colons + 2);
}

}  // namespace

// Arguments naming test classes choose which classes run (all when none is
// named); the other arguments go to QtTest, as for a single test class.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto& tests = vesk::test::RegisteredUiTests();
    std::vector<QByteArray> chosen;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const bool names = std::any_of(tests.begin(), tests.end(), [&](const auto& test) {
            return ShortName(test.className) == argv[i];
        });
        if (names) {
            chosen.emplace_back(argv[i]);
        } else {
            rest.push_back(argv[i]);
        }
    }
    int failed = 0;
    for (const auto& test : tests) {
        if (!chosen.empty() &&
            std::find(chosen.begin(), chosen.end(), ShortName(test.className)) == chosen.end()) {
            continue;
        }
        const auto object = test.make();
        failed += QTest::qExec(object.get(), static_cast<int>(rest.size()), rest.data());
    }
    return failed == 0 ? 0 : 1;
}
