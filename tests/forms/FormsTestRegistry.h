// Screen tests are Qt Test classes; each registers itself here and one main runs them all.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace tallyrin::testing {

using FormsTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<FormsTestFactory>& formsTests()
{
    static std::vector<FormsTestFactory> tests;
    return tests;
}

struct RegisterFormsTest
{
    explicit RegisterFormsTest(FormsTestFactory factory) { formsTests().push_back(std::move(factory)); }
};

} // namespace tallyrin::testing

// Use once per test class, in its .cpp file.
#define TALLYRIN_FORMS_TEST(Class)                                                                                     \
    static const tallyrin::testing::RegisterFormsTest registered_##Class{                                              \
        [] { return std::unique_ptr<QObject>(new Class); }}
