// The leave balances screen DialogVac "Vacation / Holiday / Sick": one frame per account with its
// start balance, running balance and 20 entries, "Save", "Clear All" and the "&Help" menu. It
// binds its widgets to the DialogVacScreen and holds no logic.
#pragma once

#include "screens/DialogVacScreen.h"
#include "platform/FormBinding.h"

#include <QDialog>

#include <functional>

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
    QWidget* buildAccount(LeaveAccount account, const char* title, const char* startName, const char* balanceName,
                          const char* takenName, const char* dateName);

    DialogVacScreen& m_screen;
    std::function<void()> m_showHelp;
    FormBinding m_binding;
};

} // namespace tallyrin
