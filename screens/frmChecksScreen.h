// "Check Printing" (frmChecks) without its window: the paycheck's fields as the window shows them.
#pragma once

#include "print/PayCheck.h"

namespace tallyrin {

class frmChecksScreen : public PayCheck
{
public:
    static constexpr const char* kCaption = "Check Printing";
    static constexpr const char* kDateToolTip = "Change on Previous Form";
};

} // namespace tallyrin
