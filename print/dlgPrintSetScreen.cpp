#include "print/dlgPrintSetScreen.h"

#include "text/Numbers.h"

#include <cmath>

namespace tallyrin {
namespace {

std::string offsetText(float offset)
{
    if (const auto whole = wholeNumber(static_cast<double>(offset)))
        return std::to_string(*whole);
    // Beyond the 16-bit range: the nearest whole number, halves to even, all the same.
    return screenText(std::nearbyint(static_cast<double>(offset)));
}

} // namespace

void dlgPrintSetScreen::Form_Load(const EmployeeProfile& profile, const std::string& txtWeek)
{
    cboHorz = offsetText(profile.HorzOffset);
    cboVert = offsetText(profile.VertOffset);
    lbWeek = txtWeek;
}

void dlgPrintSetScreen::storeOffsets(EmployeeProfile& profile) const
{
    profile.HorzOffset = static_cast<float>(leadingNumber(cboHorz));
    profile.VertOffset = static_cast<float>(leadingNumber(cboVert));
}

} // namespace tallyrin
