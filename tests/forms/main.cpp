// Runs the screen tests on the offscreen platform.
//   forms_tests --list                 the registered test classes, one a line, in order
//   forms_tests Class [QTest options]  that class only, the options going to QTest
//   forms_tests [QTest options]        every class in turn
// The exit status is 0 when every class run passed, 1 when one failed, 2 for an unknown class.
#include "forms/FormsTestRegistry.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using tallyrin::testing::FormsTestClass;
using tallyrin::testing::formsTests;

int main(int argc, char** argv)
{
    // Listing needs no display and builds no test object.
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const FormsTestClass& test : formsTests())
            std::printf("%s\n", test.name.c_str());
        return 0;
    }

    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    // QApplication takes out the options meant for Qt itself; the rest are ours and QTest's.
    QApplication app(argc, argv);
    std::vector<char*> args(argv, argv + argc);

    std::vector<const FormsTestClass*> chosen;
    if (args.size() > 1 && args[1][0] != '-') {
        const auto& tests = formsTests();
        const auto found =
            std::find_if(tests.begin(), tests.end(), [&](const FormsTestClass& test) { return test.name == args[1]; });
        if (found == tests.end()) {
            std::fprintf(stderr, "forms_tests: no test class %s (--list shows them)\n", args[1]);
            return 2;
        }
        chosen.push_back(&*found);
        args.erase(args.begin() + 1);
    } else {
        for (const FormsTestClass& test : formsTests())
            chosen.push_back(&test);
    }

    int failed = 0;
    for (const FormsTestClass* test : chosen) {
        auto object = test->make();
        failed += QTest::qExec(object.get(), static_cast<int>(args.size()), args.data());
    }
    return failed == 0 ? 0 : 1;
}
