// "Direct Deposit" (Options > Direct Deposit...): the open employee's bank account for direct
// deposit, kept in "<user name>.dd": the routing number, the account number and its kind. "Pay by
// Check" removes the account, and the employee is paid by check again.
#pragma once

#include "employee/DepositAccount.h"

#include "forms/TextBoxesScreen.h"

#include <array>
#include <filesystem>
#include <string>

class QComboBox;
class QLineEdit;

namespace tallyrin {

class Operator;

class DialogDeposit : public TextBoxesDialog<DepositAccount, 2>
{
    Q_OBJECT
public:
    DialogDeposit(std::filesystem::path folder, std::string user, Operator& op, QWidget* parent = nullptr);

    DepositAccount shown() const;

public slots:
    // Checks the account (every problem in one message, the window stays), then saves the file.
    void OKButton_Click() override;
    // Asks, then removes the file: the employee gets a check again.
    void cmdPayByCheck_Click();

private:
    std::string m_user;
    QComboBox* m_kind = nullptr;
};

} // namespace tallyrin
