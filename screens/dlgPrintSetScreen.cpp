#include "screens/dlgPrintSetScreen.h"

#include "print/CheckText.h"

#include "text/Numbers.h"

#include <cmath>

namespace tallyrin {

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
