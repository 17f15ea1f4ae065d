// The city tax screen "City (Local) Tax Tables": the Single and Married bracket tables, the
// withholding allowances and "NO LOCAL TAX", bound to a DialogCityScreen.
#pragma once

#include "forms/LocalTaxDialog.h"
#include "screens/DialogCityScreen.h"

#include <array>
#include <string>

class QCheckBox;
class QGridLayout;

namespace tallyrin {

class DialogCity : public LocalTaxDialog<DialogCityScreen>
{
    Q_OBJECT
public:
    // `op` is the operator the screen model reports to.
    DialogCity(DialogCityScreen& screen, Operator& op, QWidget* parent = nullptr);

private:
    void addColumn(QGridLayout* grid, int column, const char* name, std::array<std::string, 10>& boxes);

    QCheckBox* m_ckNoLocalTax = nullptr;
};

} // namespace tallyrin
