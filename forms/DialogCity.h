// The city tax screen "City (Local) Tax Tables": the Single and Married bracket tables, the
// withholding allowances and "NO LOCAL TAX", bound to a DialogCityScreen.
#pragma once

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace tallyrin {

class DialogCityScreen;
class FormBinding;
class Operator;

class DialogCity : public QDialog
{
    Q_OBJECT
public:
    // `op` is the operator the screen model reports to.
    DialogCity(DialogCityScreen& screen, Operator& op, QWidget* parent = nullptr);

    // Copies every text and the check state of the screen model into the widgets.
    void showScreen();

public slots:
    void cmdDefault_Click();
    void cmdClearMe_Click();
    void OKButton_Click();
    void reject() override; // "&CANCEL", Escape and the window's close

protected:
    // Showing the window loads the screen model (reading the file when it is not loaded yet).
    void showEvent(QShowEvent* event) override;

private:
    void addColumn(QGridLayout* grid, int column, const char* name, std::array<std::string, 10>& boxes);

    DialogCityScreen& m_screen;
    Operator& m_op;
    FormBinding* m_binding;
    QCheckBox* m_ckNoLocalTax = nullptr;
};

} // namespace tallyrin
