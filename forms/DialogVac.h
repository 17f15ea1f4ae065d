// The leave balances screen DialogVac "Vacation / Holiday / Sick": one frame per account with its
// start balance, running balance and 20 entries, "Save", "Clear All" and the "&Help" menu. It
// binds its widgets to the DialogVacScreen and holds no logic.
#pragma once

#include "employee/DialogVacScreen.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace tallyrin {

class DialogVac : public QDialog
{
    Q_OBJECT
public:
    // `showHelp` opens the help file at its index.
    DialogVac(DialogVacScreen& screen, std::function<void()> showHelp, QWidget* parent = nullptr);

    // Opening the screen: the file read (a damaged one reported), balances recomputed, shown.
    void load();
    void showScreen();

public slots:
    void OKButton_Click();
    void cmdClear_Click();
    void mnuHelp_Click();

private:
    struct AccountWidgets
    {
        QLineEdit* start = nullptr;
        QLabel* balance = nullptr;
        std::array<QLineEdit*, kLeaveEntries> taken{};
        std::array<QLineEdit*, kLeaveEntries> dates{};
    };
    QWidget* buildAccount(LeaveAccount account, const char* title, const char* startName, const char* balanceName,
                          const char* takenName, const char* dateName);

    DialogVacScreen& m_screen;
    std::function<void()> m_showHelp;
    std::array<AccountWidgets, 3> m_accounts;
};

} // namespace tallyrin
