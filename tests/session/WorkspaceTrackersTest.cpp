#include "session/Workspace.h"

#include "employee/SavedPayPeriod.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

class WorkspaceTrackersTest : public ::testing::Test
{
protected:
    WorkspaceTrackersTest()
    {
        for (const char* name : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / name, tmp / name);
        ws.startUp();
    }
    void newEmployee(const std::string& name)
    {
        if (ws.employeeOpen())
            dialogs.yesNoAnswers.push_back(false); // "SAVE PREVIOUS USER?"
        dialogs.inputAnswers.push_back(name);
        ws.mnuNew_Click();
    }
    std::string line(const fs::path& file, int number)
    {
        const std::string text = fileBytes(file);
        size_t start = 0;
        for (int i = 1; i < number; ++i)
            start = text.find("\r\n", start) + 2;
        return text.substr(start, text.find("\r\n", start) - start);
    }

    TempFolder tmp;
    ScriptedDialogs dialogs;
    Workspace ws{dialogs, tmp.path(), [] { return CalendarDate{2009, 12, 31}; }};
};

TEST_F(WorkspaceTrackersTest, NewEmployeeStartsWithSalary11440AndEmptyLeave)
{
    ws.leave.VacStart = 5; // the employee open before
    ws.overtime.AnnualSalary = 30000;
    newEmployee("Smith");
    EXPECT_EQ(line(tmp / "Smith.use", 2), "11440,0,0");
    EXPECT_EQ(line(tmp / "Smith.hol", 1), "0,0,0,0,0,0");
    EXPECT_EQ(line(tmp / "Smith.hol", 41), "\"\",\"\",\"\"");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(WorkspaceTrackersTest, OpenReadsLeaveAndSaveUnderAnotherNameCopiesIt)
{
    newEmployee("Smith");
    const std::string hol = fileBytes(fs::path(TEST_DATA_DIR) / "employee" / "Smith.hol");
    writeBytes(tmp / "Smith.hol", hol);
    ws.openEmployee(tmp / "Smith.use");
    EXPECT_EQ(ws.vacScreen.account(LeaveAccount::Vacation).lbBal, "6.5");
    EXPECT_EQ(ws.leave.SickDates[0], "not a date, really");
    EXPECT_EQ(ws.overtimeScreen.txtAnnual, "11440"); // the overtime form filled from the files

    ws.txtSaveUser = "Copy";
    ws.cmdSaveUser_Click();
    EXPECT_EQ(fileBytes(tmp / "Copy.hol"), hol);
    EXPECT_EQ(fileBytes(tmp / "Smith.hol"), hol);
}

TEST_F(WorkspaceTrackersTest, DamagedLeaveFileDuringOpenIsReportedLikeTheOtherFiles)
{
    newEmployee("Smith");
    writeBytes(tmp / "Smith.hol", "1,2,3\r\n");
    ws.openEmployee(tmp / "Smith.use");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("Smith.hol\r\ncould not be read completely."), std::string::npos);
    EXPECT_TRUE(ws.fileFault());
}

TEST_F(WorkspaceTrackersTest, SavedPeriodRoundTripRestoresAmountsDateAndRecomputes)
{
    newEmployee("Smith");
    ws.form1.setWeek("12/31/2009");
    ws.form1.txtAmount = {"40", "", "2.5", "", "", "", "100", ""};
    ws.cmdSavePrev_Click();
    const fs::path saved = tmp / "12_31_2009  Smith.prv";
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_EQ(fileBytes(saved), "40\r\n0\r\n2.5\r\n0\r\n0\r\n0\r\n100\r\n0\r\n"); // empty boxes saved as 0

    ws.Clear_All();
    ws.form1.setWeek("01/01/2009");
    dialogs.fileAnswers.push_back(saved.string());
    ws.cmdPeriod_Click();
    EXPECT_EQ(dialogs.log.back().text, "Saved Files (*.prv)|*.prv");
    EXPECT_EQ(ws.form1.txtWeek, "12/31/2009");
    EXPECT_EQ(ws.form1.txtAmount[0], "40");
    EXPECT_EQ(ws.form1.txtAmount[2], "2.5");
    EXPECT_EQ(ws.form1.Label13, "$418.75"); // 40 x 7.50 + 2.5 x 7.50 + 100, recomputed
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(WorkspaceTrackersTest, CancelledOrDamagedPeriodLoadsNothingAndKeepsTheDate)
{
    newEmployee("Smith");
    ws.Clear_All();
    ws.form1.setWeek("06/30/2009");
    ws.form1.txtAmount[0] = "12";
    dialogs.fileAnswers.push_back(std::nullopt);
    ws.cmdPeriod_Click();
    writeBytes(tmp / "06_30_2009  Smith.prv", "40\r\n0\r\n");
    dialogs.fileAnswers.push_back((tmp / "06_30_2009  Smith.prv").string());
    ws.cmdPeriod_Click();
    EXPECT_EQ(ws.form1.txtWeek, "06/30/2009");
    EXPECT_EQ(ws.form1.txtAmount[0], "12");
    EXPECT_EQ(ws.form1.Label13, ""); // nothing recomputed
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("06_30_2009  Smith.prv"), std::string::npos);
}

// Another employee's saved period is loaded only when the clerk, told whose it is, says Yes.
TEST_F(WorkspaceTrackersTest, AnotherEmployeesPeriodIsNamedAndAskedFor)
{
    newEmployee("Smith");
    ws.Clear_All();
    ws.form1.setWeek("06/30/2009");
    writeBytes(tmp / "01_09_2009  Jones.prv", "40\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    dialogs.fileAnswers.push_back((tmp / "01_09_2009  Jones.prv").string());
    dialogs.yesNoAnswers.push_back(false);
    ws.cmdPeriod_Click();
    EXPECT_EQ(dialogs.log.back().title, "Get Pay Period");
    EXPECT_EQ(dialogs.log.back().text,
              "This saved period (01/09/2009) is Jones's, and Smith is open.\r\nLoad it into the pay form anyway?");
    EXPECT_EQ(ws.form1.txtWeek, "06/30/2009");
    EXPECT_EQ(ws.form1.txtAmount[0], "");
    dialogs.fileAnswers.push_back((tmp / "01_09_2009  Jones.prv").string());
    dialogs.yesNoAnswers.push_back(true);
    ws.cmdPeriod_Click();
    EXPECT_EQ(ws.form1.txtWeek, "01/09/2009");
    EXPECT_EQ(ws.form1.txtAmount[0], "40");
}

TEST_F(WorkspaceTrackersTest, DateThatCannotNameAFileGivesAMessageAndWritesNothing)
{
    newEmployee("Smith");
    const auto before = std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator());
    ws.form1.setWeek("12:31*2009");
    ws.form1.txtAmount[0] = "";
    ws.cmdSavePrev_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("12:31*2009"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), before);
    EXPECT_EQ(ws.form1.txtAmount[0], ""); // the screen is left as it was
}

TEST(SavedPayPeriod, FileNameAndDateBack)
{
    EXPECT_EQ(savedPeriodFileName("12/31/2009", "Smith"), "12_31_2009  Smith.prv");
    EXPECT_EQ(savedPeriodDate("/data/12_31_2009  Smith.prv"), "12/31/2009");
    EXPECT_EQ(savedPeriodDate("1_5_2010  A_B.prv"), "1/5/2010  "); // only the first eight characters change
}

} // namespace
} // namespace tallyrin
