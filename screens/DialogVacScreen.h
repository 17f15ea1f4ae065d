// The leave balances screen DialogVac "Vacation / Holiday / Sick": three accounts, each with its
// start balance box, running "Balance" label and 20 "#Taken" and "Dates" boxes.
#pragma once

#include "text/Operator.h"
#include "employee/EmployeeFiles.h"
#include "employee/LeaveBalances.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace tallyrin {

enum class LeaveAccount
{
    Vacation,
    Holiday,
    Sick,
};

class DialogVacScreen
{
public:
    static constexpr const char* kCaption = "Vacation / Holiday / Sick";

    // The boxes of one account: txtVacBal / lbVacBal / txtVcnt / txtVdate for vacation, the
    // txtHol.. / txtH.. and txtSick.. / txtS.. boxes for the other two.
    struct AccountBoxes
    {
        std::string txtBal;
        std::string lbBal;
        std::array<std::string, kLeaveEntries> txtCnt{};
        std::array<std::string, kLeaveEntries> txtDate{};
    };

    // `files` names "<working folder>/<user name>.hol" of the employee open at the moment of use.
    DialogVacScreen(LeaveBalances& leave, Operator& op, const EmployeeFiles& files);

    AccountBoxes& account(LeaveAccount a) { return m_boxes[static_cast<size_t>(a)]; }
    const AccountBoxes& account(LeaveAccount a) const { return m_boxes[static_cast<size_t>(a)]; }

    // GetVac: reads the file when it is there, then shows the record. The message of a damaged or
    // unreadable file is returned, not shown: the caller decides who tells the operator.
    FileOutcome GetVac();
    // SaveVac: the boxes into the record (numbers by leading-number conversion, balances from the
    // label texts, dates as typed), then the file. Returns the message of a failed write.
    FileOutcome SaveVac() { return SaveVac(m_files.path(".hol")); }
    // The same, written to `file` (the employee's save under the name typed on the save screen).
    FileOutcome SaveVac(const std::filesystem::path& file);
    // The first half of SaveVac: the boxes into the record, nothing written.
    void copyBoxesToRecord();
    // clearVac ("Clear All" and a new employee): boxes "0" and empty, record zero. Nothing written.
    void clearVac();

    // Opening the screen: GetVac (a damaged file is reported here), empty start boxes "0",
    // balances recomputed.
    void Form_Load();
    // "Save": SaveVac, then the screen closes; false (the screen stays open) when the write failed.
    bool OKButton_Click();
    void cmdClear_Click() { clearVac(); }

    // A start balance or "#Taken" box changed: its account's balance label follows.
    void recompute(LeaveAccount a);
    void recomputeAll();

    // Shows the record in the boxes.
    void showRecord();

private:
    LeaveBalances& m_leave;
    Operator& m_op;
    const EmployeeFiles& m_files;
    std::array<AccountBoxes, 3> m_boxes;
};

} // namespace tallyrin
