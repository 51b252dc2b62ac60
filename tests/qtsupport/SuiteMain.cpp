#include "SuiteMain.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Suite {
    SuiteLocale locale;
    SuiteFactory factory;
};

std::map<std::string, Suite>& Suites() {
    static std::map<std::string, Suite> suites;
    return suites;
}

int Run(const Suite& suite, int argc, char** argv) {
    if (suite.locale == SuiteLocale::C) QLocale::setDefault(QLocale::c());
    const std::unique_ptr<QObject> pTest = suite.factory();
    return QTest::qExec(pTest.get(), argc, argv);
}

}  // namespace

SuiteRegistration::SuiteRegistration(const char* name, SuiteLocale locale, SuiteFactory factory) {
    Suites()[name] = Suite{locale, std::move(factory)};
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = Suites().find(argv[1]);
        if (found == Suites().end()) {
            std::fprintf(stderr, "unknown test class %s\n", argv[1]);
            return 2;
        }
        // QtTest reads its options after the program's name: drop the class name in between.
        std::vector<char*> args{argv[0]};
        args.insert(args.end(), argv + 2, argv + argc);
        return Run(found->second, static_cast<int>(args.size()), args.data());
    }
    int nFailures = 0;
    for (const auto& [name, suite] : Suites()) {
        if (suite.locale == SuiteLocale::C) nFailures += Run(suite, argc, argv);
    }
    return nFailures;
}
