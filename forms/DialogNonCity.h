// The non-city resident screen "NON City Resident": the bi-weekly and weekly exclusion tables and
// the rate, bound to a DialogNonCityScreen.
#pragma once

#include <QDialog>

#include <string>

class QGridLayout;
class QLineEdit;

namespace tallyrin {

class DialogNonCityScreen;
class FormBinding;
class Operator;

class DialogNonCity : public QDialog
{
    Q_OBJECT
public:
    // `op` is the operator the screen model reports to.
    DialogNonCity(DialogNonCityScreen& screen, Operator& op, QWidget* parent = nullptr);

    // Copies every text of the screen model into the widgets.
    void showScreen();

public slots:
    void cmdDefault_Click();
    void OKButton_Click();
    void reject() override; // "&CANCEL", Escape and the window's close: hidden, edits kept

protected:
    // Showing the window loads the screen model unless it is still loaded from before.
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* numericBox(const QString& name, std::string& field);

    DialogNonCityScreen& m_screen;
    Operator& m_op;
    FormBinding* m_binding;
};

} // namespace tallyrin
