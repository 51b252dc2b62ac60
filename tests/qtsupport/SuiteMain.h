#pragma once

#include <QObject>
#include <functional>
#include <memory>

// The QtTest classes of one test executable by name, so that CTest can run each as its own test.
// The library's main runs them: `<executable> [Class] [QtTest options]`; with no class named, every
// class runs except those that set their own locale (they need the environment CTest gives them).
// The others run with QLocale's default fixed to C, so numbers read the same on every machine.
using SuiteFactory = std::function<std::unique_ptr<QObject>()>;

enum class SuiteLocale {
    C,    // QLocale's default is C
    Own,  // the class sets the locale itself and runs only when named
};

struct SuiteRegistration {
    SuiteRegistration(const char* name, SuiteLocale locale, SuiteFactory factory);
};

#define REGISTER_TEST_SUITE(Class)                                           \
    static const SuiteRegistration g_register##Class(#Class, SuiteLocale::C, \
                                                     [] { return std::make_unique<Class>(); })
#define REGISTER_TEST_SUITE_WITH_OWN_LOCALE(Class)                             \
    static const SuiteRegistration g_register##Class(#Class, SuiteLocale::Own, \
                                                     [] { return std::make_unique<Class>(); })
