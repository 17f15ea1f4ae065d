#include "screens/DialogVacScreen.h"

#include "text/Numbers.h"

#include <utility>

namespace tallyrin {
namespace {

// The record's fields of one account, so the three accounts share one code path.
struct AccountFields
{
    float& start;
    float& balance;
    std::array<float, kLeaveEntries>& taken;
    std::array<std::string, kLeaveEntries>& dates;
};

AccountFields fields(LeaveBalances& l, LeaveAccount a)
{
    switch (a) {
    case LeaveAccount::Vacation:
        return {l.VacStart, l.VacBalance, l.VacTaken, l.VacDates};
    case LeaveAccount::Holiday:
        return {l.HolStart, l.HolBalance, l.HolTaken, l.HolDates};
    case LeaveAccount::Sick:
        break;
    }
    return {l.SickStart, l.SickBalance, l.SickTaken, l.SickDates};
}

constexpr std::array<LeaveAccount, 3> kAccounts{LeaveAccount::Vacation, LeaveAccount::Holiday, LeaveAccount::Sick};

} // namespace

DialogVacScreen::DialogVacScreen(LeaveBalances& leave, Operator& op, const EmployeeFiles& files)
    : m_leave(leave)
    , m_op(op)
    , m_files(files)
{
    showRecord();
}

void DialogVacScreen::showRecord()
{
    for (LeaveAccount a : kAccounts) {
        AccountFields f = fields(m_leave, a);
        AccountBoxes& b = account(a);
        b.txtBal = screenText(f.start);
        b.lbBal = screenText(f.balance);
        for (size_t i = 0; i < kLeaveEntries; ++i) {
            b.txtCnt[i] = screenText(f.taken[i]);
            b.txtDate[i] = f.dates[i];
        }
    }
}

FileOutcome DialogVacScreen::GetVac()
{
    FileOutcome read = loadLeaveFile(m_files.path(".hol"), m_leave);
    showRecord();
    return read;
}

FileOutcome DialogVacScreen::SaveVac(const std::filesystem::path& file)
{
    copyBoxesToRecord();
    return saveLeaveFile(file, m_leave);
}

void DialogVacScreen::copyBoxesToRecord()
{
    for (LeaveAccount a : kAccounts) {
        AccountFields f = fields(m_leave, a);
        const AccountBoxes& b = account(a);
        f.start = static_cast<float>(leadingNumber(b.txtBal));
        f.balance = static_cast<float>(leadingNumber(b.lbBal));
        for (size_t i = 0; i < kLeaveEntries; ++i) {
            f.taken[i] = static_cast<float>(leadingNumber(b.txtCnt[i]));
            f.dates[i] = b.txtDate[i];
        }
    }
}

void DialogVacScreen::clearVac()
{
    m_leave = LeaveBalances{};
    for (AccountBoxes& b : m_boxes) {
        b.txtBal = "0";
        b.lbBal = "0";
        b.txtCnt.fill("0");
        b.txtDate.fill("");
    }
}

void DialogVacScreen::Form_Load()
{
    if (const FileOutcome read = GetVac(); !read.lines.empty())
        m_op.message(read.message(), Icon::Exclamation);
    for (AccountBoxes& b : m_boxes)
        if (b.txtBal.empty())
            b.txtBal = "0";
    recomputeAll();
}

bool DialogVacScreen::OKButton_Click()
{
    const FileOutcome saved = SaveVac();
    if (!saved.failed())
        return true;
    m_op.message(saved.message(), Icon::Exclamation);
    return false;
}

void DialogVacScreen::recompute(LeaveAccount a)
{
    AccountBoxes& b = account(a);
    b.lbBal = screenText(leaveBalance(b.txtBal, b.txtCnt));
}

void DialogVacScreen::recomputeAll()
{
    for (LeaveAccount a : kAccounts)
        recompute(a);
}

} // namespace tallyrin
