#include "screens/DialogVacScreen.h"
#include "employee/LeaveBalances.h"

#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

const std::filesystem::path kSmithHol = std::filesystem::path(TEST_DATA_DIR) / "employee" / "Smith.hol";

class LeaveTest : public ::testing::Test
{
protected:
    TempFolder tmp;
    ScriptedDialogs dialogs;
    LeaveBalances leave;
    EmployeeFiles files{tmp.path(), "Smith"};
    DialogVacScreen screen{leave, dialogs, files};
};

TEST_F(LeaveTest, RunningBalanceIsStartLessDaysTaken)
{
    struct Case
    {
        const char* start;
        std::vector<std::string> taken;
        const char* balance;
    };
    const Case cases[] = {
        {"10", {"1.5", "2", ""}, "6.5"}, // an empty box counts 0
        {"1", {"3"}, "-2"},              // more days taken than there were
        {"", {"2x", "abc"}, "-2"},       // text reads as far as it is a number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        auto& vac = screen.account(LeaveAccount::Sick);
        vac.txtBal = c.start;
        vac.txtCnt.fill("");
        std::copy(c.taken.begin(), c.taken.end(), vac.txtCnt.begin());
        screen.recompute(LeaveAccount::Sick);
        EXPECT_EQ(vac.lbBal, c.balance);
    }
    EXPECT_EQ(screen.account(LeaveAccount::Vacation).lbBal, "0"); // other accounts untouched
}

TEST_F(LeaveTest, OpeningAndSavingKeepsTheFileByteForByte)
{
    const std::string original = fileBytes(kSmithHol);
    writeBytes(tmp / "Smith.hol", original);
    screen.Form_Load();
    EXPECT_EQ(screen.account(LeaveAccount::Vacation).lbBal, "6.5");
    EXPECT_EQ(screen.account(LeaveAccount::Sick).lbBal, "-2");
    EXPECT_EQ(screen.account(LeaveAccount::Sick).txtDate[0], "not a date, really");
    EXPECT_EQ(leave.HolStart, 3.f);

    std::filesystem::remove(tmp / "Smith.hol");
    ASSERT_TRUE(screen.OKButton_Click());
    EXPECT_EQ(fileBytes(tmp / "Smith.hol"), original);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(LeaveTest, ClearAllZeroesTheScreenAndTheRecordWithoutWriting)
{
    writeBytes(tmp / "Smith.hol", fileBytes(kSmithHol));
    screen.Form_Load();
    screen.cmdClear_Click();
    EXPECT_EQ(leave, LeaveBalances{});
    EXPECT_EQ(screen.account(LeaveAccount::Vacation).txtBal, "0");
    EXPECT_EQ(screen.account(LeaveAccount::Vacation).txtCnt[0], "0");
    EXPECT_EQ(screen.account(LeaveAccount::Sick).txtDate[0], "");
    EXPECT_EQ(fileBytes(tmp / "Smith.hol"), fileBytes(kSmithHol));
}

TEST_F(LeaveTest, DamagedFileIsReportedWhenTheScreenOpens)
{
    const std::string original = fileBytes(kSmithHol);
    for (const std::string& damaged : {original.substr(0, original.size() / 2), original + "1,2,3\r\n",
                                       std::string("6.5,x,0,0,0,0\r\n")}) {
        dialogs.log.clear();
        writeBytes(tmp / "Smith.hol", damaged);
        screen.Form_Load();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_NE(dialogs.messages()[0].find("Smith.hol"), std::string::npos);
    }
    // A missing file is no fault: nothing is read.
    dialogs.log.clear();
    std::filesystem::remove(tmp / "Smith.hol");
    screen.Form_Load();
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(LeaveTest, FailedSaveIsReportedAndKeepsTheScreenOpen)
{
    const EmployeeFiles elsewhere{tmp / "no such folder", "Smith"};
    DialogVacScreen nowhere{leave, dialogs, elsewhere};
    EXPECT_FALSE(nowhere.OKButton_Click());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("could not be saved"), std::string::npos);
}

} // namespace
} // namespace tallyrin
