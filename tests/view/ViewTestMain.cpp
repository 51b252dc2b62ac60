#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstdio>

#include "TestSuites.h"

std::map<std::string, SuiteFactory>& TestSuites() {
    static std::map<std::string, SuiteFactory> suites;
    return suites;
}

// Usage: dravonel_view_tests [SuiteName [QtTest options]]; with no name every suite runs except the comma
// locale one, which needs the environment CTest gives it. The comma
// locale suite sets its own locale; the others work in the C locale so numbers read the same everywhere.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool bCommaSuite = argc > 1 && std::string(argv[1]) == "CommaLocaleTest";
    if (!bCommaSuite) QLocale::setDefault(QLocale::c());
    if (argc > 1 && TestSuites().count(argv[1])) {
        std::unique_ptr<QObject> suite = TestSuites()[argv[1]]();
        char* args[64] = {argv[0]};
        int nArgs = 1;
        for (int i = 2; i < argc && nArgs < 64; ++i) args[nArgs++] = argv[i];
        return QTest::qExec(suite.get(), nArgs, args);
    }
    if (argc > 1) {
        std::fprintf(stderr, "unknown suite %s\n", argv[1]);
        return 2;
    }
    int nFailures = 0;
    for (auto& [name, factory] : TestSuites()) {
        if (name == "CommaLocaleTest")
            continue;  // needs the comma locale that CTest sets up for it
        std::unique_ptr<QObject> suite = factory();
        nFailures += QTest::qExec(suite.get(), 1, argv);
    }
    return nFailures;
}
