// Screen tests are Qt Test classes; each registers itself here under its class name, and one main
// runs them all or the one class named on its command line.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tallyrin::testing {

using FormsTestFactory = std::function<std::unique_ptr<QObject>()>;

struct FormsTestClass
{
    std::string name;
    FormsTestFactory make;
};

inline std::vector<FormsTestClass>& formsTests()
{
    static std::vector<FormsTestClass> tests;
    return tests;
}

struct RegisterFormsTest
{
    RegisterFormsTest(const char* name, FormsTestFactory factory)
    {
        formsTests().push_back({name, std::move(factory)});
    }
};

} // namespace tallyrin::testing

// Use once per test class, in its .cpp file.
#define TALLYRIN_FORMS_TEST(Class)                                                                                     \
    static const tallyrin::testing::RegisterFormsTest registered_##Class                                               \
    {                                                                                                                  \
#Class, [] { return std::unique_ptr<QObject>(new Class); }                                                     \
    }
