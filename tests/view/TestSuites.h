#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

// The QtTest classes of this executable by name, so that CTest can run each as its own test.
using SuiteFactory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, SuiteFactory>& TestSuites();

struct SuiteRegistration {
    SuiteRegistration(const char* name, SuiteFactory factory) { TestSuites()[name] = std::move(factory); }
};

#define REGISTER_TEST_SUITE(Class) \
    static const SuiteRegistration g_register##Class(#Class, [] { return std::make_unique<Class>(); })
