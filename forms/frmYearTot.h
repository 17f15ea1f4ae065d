// The totals window under the ledger grid: the year's totals in editable boxes, first row Federal
// to Gross, second row "TOTALS:" with the cafeteria plan, SDI, SUI and tips boxes.
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace tallyrin {

class FormBinding;
class YtdLedger;

class frmYearTot : public QWidget
{
    Q_OBJECT
public:
    explicit frmYearTot(YtdLedger& ledger, QWidget* parent = nullptr);

    // Copies the headings and the ledger's totals box texts into the window.
    void showScreen();

private:
    YtdLedger& m_ledger;
    FormBinding* m_binding;
    std::array<QLineEdit*, 18> m_txtTot{};
    std::array<QLabel*, 18> m_lbTot{};
};

} // namespace tallyrin
