// The non-city resident screen "NON City Resident": the bi-weekly and weekly exclusion tables and
// the rate, bound to a DialogNonCityScreen.
#pragma once

#include "forms/LocalTaxDialog.h"
#include "screens/DialogNonCityScreen.h"

#include <string>

namespace tallyrin {

class DialogNonCity : public LocalTaxDialog<DialogNonCityScreen>
{
    Q_OBJECT
public:
    // `op` is the operator the screen model reports to.
    DialogNonCity(DialogNonCityScreen& screen, Operator& op, QWidget* parent = nullptr);
};

} // namespace tallyrin
