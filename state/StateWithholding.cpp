#include "state/StateWithholding.h"

#include "state/GenericStateTax.h"
#include "text/Numbers.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

namespace {

// A built-in state method: takes the tax as the earlier methods left it and returns the new one.
using StateMethod = double (*)(const StateSettings&, const StateWageInputs&, double tax);

struct BuiltInMethod
{
    int16_t StateSettings::*flag;
    StateMethod run;
};

// The built-in methods in the order the calculation runs them: Arizona, Louisiana, Iowa,
// Missouri, Massachusetts, Oregon, Utah, Alabama, Kentucky, Wisconsin, North Carolina.
// A method joins this list when it is built; until then its flag selects no tax.
const std::vector<BuiltInMethod>& builtInMethods()
{
    static const std::vector<BuiltInMethod> methods{};
    return methods;
}

constexpr int16_t StateSettings::*kStateFlags[] = {
    &StateSettings::Ariz,     &StateSettings::Louis,  &StateSettings::Iowa, &StateSettings::Missouri,
    &StateSettings::Mass,     &StateSettings::Oregon, &StateSettings::Utah, &StateSettings::Alabama,
    &StateSettings::Kentucky, &StateSettings::Wiscon, &StateSettings::NC,
};

} // namespace

float stateAllowance(const StateSettings& state, std::string_view stateStatus, int stateExemptions)
{
    if (stateExemptions < 0 || stateExemptions > 9)
        return 0;
    if (stateStatus == "Single")
        return state.StateSgExp[stateExemptions];
    if (stateStatus == "Married")
        return state.StateMarExp[stateExemptions];
    return 0;
}

bool builtInStateSelected(const StateSettings& state)
{
    for (auto flag : kStateFlags)
        if (state.*flag == 1)
            return true;
    return false;
}

double stateWithholding(const StateSettings& state, const StateWageInputs& in)
{
    if (!builtInStateSelected(state))
        return genericStateTax(state, in);
    double tax = 0;
    for (const BuiltInMethod& method : builtInMethods())
        if (state.*method.flag == 1)
            tax = method.run(state, in, tax);
    return tax;
}

double finishStateTax(double tax, const StateSettings& state)
{
    // The state tax is a double: the adjustment is added in double precision and the cents come
    // from the double's own 15 digits: a method's 45.884998321533203 gives 45.88, where its
    // single 45.885 would give 45.89.
    const double adjusted = tax + double(state.StateAdj);
    const std::string cents = format(adjusted, "#,###.00");
    double value = fullNumber(cents).value_or(0);
    if (state.RoundState == 1) {
        // Whole dollars, half to even on the cents text (12.50 -> 12, 13.50 -> 14). A two-decimal
        // value is exact in binary, so beyond the 16-bit range the same rounding is done on it.
        if (const std::optional<int16_t> dollars = wholeNumber(std::string_view(cents)))
            value = *dollars;
        else
            value = std::nearbyint(value);
    }
    // Negative zero is not below 0 and stays.
    if (value < 0)
        value = 0;
    return value;
}

} // namespace tallyrin
