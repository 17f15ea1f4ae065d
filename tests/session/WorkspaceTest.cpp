#include "session/Workspace.h"

#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "text/Numbers.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

// Every file of a folder with its bytes, to prove that nothing was written.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = fileBytes(entry.path());
    return files;
}

// The save screen as the operator uses it: each showing runs the next scripted action.
class ScriptedWindows : public ShellWindows
{
public:
    std::deque<std::function<void()>> saveScreenActions;
    int secondaryClosed = 0;
    bool ended = false;

    void showSaveUser() override
    {
        if (saveScreenActions.empty())
            throw std::logic_error("save screen shown without a scripted action");
        auto act = saveScreenActions.front();
        saveScreenActions.pop_front();
        act();
    }
    void closeSecondaryScreens() override { ++secondaryClosed; }
    void endApplication() override { ended = true; }
};

class WorkspaceTest : public ::testing::Test
{
protected:
    WorkspaceTest()
    {
        for (const char* name : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / name, tmp / name);
        ws.setWindows(windows);
    }

    void pressSave(const std::string& name)
    {
        windows.saveScreenActions.push_back([this, name] {
            ws.txtSaveUser = name;
            ws.cmdSaveUser_Click();
        });
    }
    void pressNo()
    {
        windows.saveScreenActions.push_back([this] { ws.cmdEnd_Click(); });
    }

    // A saved employee "Smith": rate 10, bi-weekly, married, state file with a flag set.
    void makeSmith()
    {
        if (ws.employeeOpen())
            dialogs.yesNoAnswers.push_back(false); // "SAVE PREVIOUS USER?"
        dialogs.inputAnswers.push_back("Smith");
        ws.mnuNew_Click();
        ws.showTaxInfo();
        ws.taxInfo.txtHourRate = "10";
        ws.taxInfo.cboStatus = "Married";
        ws.taxInfo.optWeek = false;
        ws.taxInfo.optBiWeek = true;
        ws.taxInfo.txtTax[0] = "Credit U";
        ws.taxInfo_cmdOk();
    }

    TempFolder tmp;
    ScriptedDialogs dialogs;
    ScriptedWindows windows;
    Workspace ws{dialogs, tmp.path(), [] { return CalendarDate{2009, 12, 31}; }};
};

TEST_F(WorkspaceTest, StartUpShowsDateVersionAndDesignCaptions)
{
    ws.startUp();
    EXPECT_EQ(ws.form1.caption, "QUENVORO SOFTWARE");
    EXPECT_EQ(ws.form1.txtWeek, "12/31/2009");
    EXPECT_EQ(ws.form1.lbTaxVer, "2009 Federal Tables (rev. April 2009)");
    EXPECT_EQ(ws.form1.lbTaxTag[5], "Credit");
    EXPECT_EQ(ws.form1.lbUser, "USER");
    EXPECT_EQ(ws.form1.lbNet, "");
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(WorkspaceTest, MissingTableFileWarnsWithTheWorkingFolder)
{
    fs::remove(tmp / "Federal09_jan.dtt");
    ws.form1.ckFedJan = true;
    ws.startUp();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("   Operation Failed ! ! !\r\nSave and Open, Only in Folder\r\n" +
                                         tmp.path().string() + "\r\n"),
              std::string::npos);
    EXPECT_EQ(dialogs.log[0].icon, Icon::Exclamation);
    EXPECT_TRUE(ws.fileFault());
}

TEST_F(WorkspaceTest, CalculationWithNoEmployeeOpenShowsResultsAndWritesNothing)
{
    ws.startUp();
    const auto before = snapshot(tmp.path());
    ws.form1.txtAmount = {"40", "", "2", "", "", "", "", ""};
    ws.form1.opt1x = false;
    ws.cmdCal_Click();

    EXPECT_EQ(ws.form1.lbOverT, "$30.00");  // 2 O.T. hours at 2X the default rate 7.50
    EXPECT_EQ(ws.form1.Label13, "$330.00"); // 40 x 7.50 + 30.00
    EXPECT_EQ(ws.form1.txtAmount[0], "40");
    EXPECT_EQ(ws.form1.txtAmount[1], ""); // "0" while computing, blank afterwards
    // The files of the empty name are the defaults of "Make Default": ADD never writes them.
    EXPECT_EQ(snapshot(tmp.path()), before);
    EXPECT_EQ(ws.federal.WeeklySingle[1].Rate, 0.f); // tables emptied after the calculation
    // Nor does the profile screen or the save screen under the empty name.
    ws.showTaxInfo();
    ws.taxInfo_cmdOk();
    ws.txtSaveUser = "";
    ws.cmdSaveUser_Click();
    EXPECT_EQ(snapshot(tmp.path()), before);
    EXPECT_NE(dialogs.messages().back().find("may not be empty"), std::string::npos);
}

// The tables are 2009's: a period dated in another year is calculated, and ADD says so once.
TEST_F(WorkspaceTest, AddWarnsOfAPeriodDatedOutside2009)
{
    ws.startUp();
    ws.form1.txtAmount = {"40", "", "", "", "", "", "", ""};
    ws.cmdCal_Click();
    EXPECT_TRUE(dialogs.log.empty());
    ws.form1.setWeek("01/08/2010");
    ws.form1.txtAmount = {"40", "", "", "", "", "", "", ""};
    ws.cmdCal_Click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("01/08/2010 is not in 2009, the year of the tax tables"), std::string::npos);
    EXPECT_EQ(ws.form1.Label13, "$300.00");
}

TEST_F(WorkspaceTest, ThePasteTakesThePeriodAsThePayFormShowsIt)
{
    makeSmith();
    ws.form1.txtAmount = {"40", "", "2", "", "", "", "", "3"};
    ws.cmdCal_Click();
    const PayPeriodResult shown = ws.shownPeriod();
    EXPECT_FLOAT_EQ(shown.FedTax, ws.result.FedTax == 0 ? 0 : roundCents(ws.result.FedTax));
    EXPECT_FLOAT_EQ(shown.SocSec, roundCents(ws.result.SocSec));
    EXPECT_FLOAT_EQ(shown.GrossPay, ws.result.GrossPay);
    EXPECT_GT(shown.SocSec, 0);
    EXPECT_GT(shown.TotalOt, 0);

    // After CLEAR the labels are blank: a paste then writes zeros, not the previous period.
    ws.Clear_All();
    ws.ledger.PasteMe(0, ws.shownPeriod(), ws.form1.txtWeek);
    for (const std::string& cell : ws.ledger.grid[0].cells)
        EXPECT_EQ(cell, ".00");
}

TEST_F(WorkspaceTest, ClearBlanksEntriesAndLabelsAndResetsTheDate)
{
    ws.startUp();
    ws.form1.txtAmount[0] = "40";
    ws.cmdCal_Click();
    ws.form1.txtWeek = "01/01/2009";
    ws.Clear_All();
    EXPECT_EQ(ws.form1.txtAmount[0], "");
    EXPECT_EQ(ws.form1.Label13, "");
    EXPECT_EQ(ws.form1.lbTaxDed[0], "");
    EXPECT_EQ(ws.form1.txtWeek, "12/31/2009");
    EXPECT_EQ(ws.result.GrossPay, 0.f);
}

TEST_F(WorkspaceTest, NewThenCalculationWritesTheFullFileSet)
{
    ws.startUp();
    // With no employee open there is nobody to save: New asks only for the name.
    dialogs.inputAnswers.push_back("Smith");
    ws.mnuNew_Click();

    EXPECT_EQ(ws.userName(), "Smith");
    EXPECT_EQ(ws.form1.lbUser, "Smith");
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(fs::exists(tmp / ("Smith" + std::string(ext)))) << ext;
    EXPECT_EQ(dialogs.log[0].title, "File New");
    EXPECT_EQ(dialogs.log[0].text, "Enter new user:");
    // With Smith open, the next New asks first.
    dialogs.yesNoAnswers.push_back(false);
    dialogs.inputAnswers.push_back("Jones");
    ws.mnuNew_Click();
    EXPECT_EQ(dialogs.log[1].text, "........SAVE PREVIOUS USER?");
    EXPECT_EQ(dialogs.log[1].title, "Save?");
    EXPECT_EQ(ws.userName(), "Jones");
    // The city settings of a new employee are the New York preset: row 1 of the written file.
    EXPECT_NE(fileBytes(tmp / "Smith.cti").find("308,5.85,.0265,308,5.85,.0265\r\n"), std::string::npos);
}

TEST_F(WorkspaceTest, NewWithAnExistingNameChangesNothingAndWritesNothing)
{
    ws.startUp();
    makeSmith();
    dialogs.yesNoAnswers.push_back(false);
    dialogs.inputAnswers.push_back("Jones");
    ws.mnuNew_Click();
    ws.showTaxInfo();
    ws.taxInfo.txtHourRate = "22";
    ws.taxInfo_cmdOk();
    const auto before = snapshot(tmp.path());
    const EmployeeProfile jones = ws.profile;

    dialogs.yesNoAnswers.push_back(false);
    dialogs.inputAnswers.push_back("Smith");
    ws.mnuNew_Click();

    EXPECT_EQ(dialogs.messages().back(), "........Smith already exists. Use Open");
    EXPECT_EQ(ws.userName(), "Jones");
    EXPECT_EQ(ws.form1.caption, "  User:  Jones");
    EXPECT_EQ(ws.profile.HourRate, jones.HourRate);
    EXPECT_EQ(snapshot(tmp.path()), before);
    // A later calculation saves Jones, never over Smith.
    ws.cmdCal_Click();
    EXPECT_EQ(fileBytes(tmp / "Smith.use"), before.at("Smith.use"));
}

TEST_F(WorkspaceTest, CancelInTheNameBoxEndsNewWithNothingChanged)
{
    ws.startUp();
    makeSmith();
    const auto before = snapshot(tmp.path());
    dialogs.yesNoAnswers.push_back(false);
    dialogs.inputAnswers.push_back(std::nullopt);
    ws.mnuNew_Click();
    EXPECT_EQ(ws.userName(), "Smith");
    EXPECT_EQ(ws.profile.HourRate, 10.f);
    EXPECT_EQ(snapshot(tmp.path()), before);
}

TEST_F(WorkspaceTest, NamesThatLeaveTheWorkingFolderAreRefusedBeforeAnythingIsWritten)
{
    ws.startUp();
    for (const std::string bad : {"../evil", "a/b", ".", "..", "/tmp/evil"}) {
        SCOPED_TRACE(bad);
        const auto before = snapshot(tmp.path());
        dialogs.yesNoAnswers.push_back(false);
        dialogs.inputAnswers.push_back(bad);
        ws.mnuNew_Click();
        EXPECT_EQ(snapshot(tmp.path()), before);
        EXPECT_NE(dialogs.messages().back().find("cannot be used"), std::string::npos);
        EXPECT_EQ(ws.userName(), "");

        ws.txtSaveUser = bad;
        ws.cmdSaveUser_Click();
        EXPECT_EQ(snapshot(tmp.path()), before);
    }
    EXPECT_FALSE(fs::exists(tmp.path().parent_path() / "evil.use"));
}

TEST_F(WorkspaceTest, ProfileSavedAndOpenedAgainFromAnotherFolder)
{
    ws.startUp();
    makeSmith();
    TempFolder other;
    for (const auto& entry : fs::directory_iterator(tmp.path()))
        fs::copy_file(entry.path(), other / entry.path().filename().string());

    ScriptedDialogs dialogs2;
    Workspace ws2(dialogs2, tmp.path(), [] { return CalendarDate{2009, 12, 31}; });
    ScriptedWindows windows2;
    ws2.setWindows(windows2);
    windows2.saveScreenActions.push_back([&] { ws2.cmdEnd_Click(); });
    dialogs2.fileAnswers.push_back((other / "Smith.use").string());
    ws2.startUp();
    ws2.mnuOpen_Click();

    EXPECT_EQ(dialogs2.chooserFolder, tmp.path()); // File > Open starts in the working folder
    EXPECT_EQ(ws2.workingFolder(), other.path());
    EXPECT_EQ(ws2.userName(), "Smith");
    EXPECT_EQ(ws2.form1.caption, "  User:  Smith");
    EXPECT_EQ(ws2.txtSaveUser, "Smith");
    EXPECT_EQ(ws2.profile.HourRate, 10.f);
    EXPECT_EQ(ws2.profile.FedStatus, "Married");
    EXPECT_TRUE(ws2.profile.BiWeekly);
    EXPECT_EQ(ws2.form1.lbTaxTag[5], "Credit U");
    EXPECT_EQ(ws2.form1.lbTableNotice, "Bi-Weekly Tax Tables");
    EXPECT_EQ(ws2.form1.txtWeek, "12/31/2009");
    EXPECT_EQ(dialogs2.log.back().text, "Saved Files (*.use)|*.use");

    // Its saves go to the folder it came from.
    ws2.showTaxInfo();
    ws2.taxInfo.txtHourRate = "11";
    ws2.taxInfo_cmdOk();
    ws2.cmdCal_Click();
    EXPECT_NE(fileBytes(other / "Smith.use").find("11,0,0\r\n"), std::string::npos);
    EXPECT_NE(fileBytes(other / "Smith.use"), fileBytes(tmp / "Smith.use"));
}

TEST_F(WorkspaceTest, CancelledFileChooserKeepsTheOpenEmployee)
{
    ws.startUp();
    makeSmith();
    pressNo();
    dialogs.fileAnswers.push_back(std::nullopt);
    ws.mnuOpen_Click();
    EXPECT_EQ(ws.userName(), "Smith");
    EXPECT_EQ(ws.profile.HourRate, 10.f);
}

TEST_F(WorkspaceTest, SaveUnderAnotherNameCopiesAndLeavesTheOldFiles)
{
    ws.startUp();
    makeSmith();
    const auto before = snapshot(tmp.path());
    pressSave("Smith2");
    ws.mnuSave_Click();

    for (const auto& [name, bytes] : before)
        EXPECT_EQ(fileBytes(tmp / name), bytes) << name;
    for (const char* ext : {".use", ".and", ".cfe", ".ovb", ".sta", ".cti", ".nci"})
        EXPECT_EQ(fileBytes(tmp / ("Smith2" + std::string(ext))), before.at("Smith" + std::string(ext))) << ext;
    EXPECT_EQ(ws.form1.caption, "Smith2");
    EXPECT_EQ(ws.form1.lbUser, "Smith2");
    EXPECT_GT(windows.secondaryClosed, 0);
}

TEST_F(WorkspaceTest, NoDuringExitWritesNothing)
{
    ws.startUp();
    makeSmith();
    ws.showTaxInfo();
    ws.taxInfo.txtHourRate = "99"; // typed but never applied
    const auto before = snapshot(tmp.path());
    dialogs.yesNoAnswers.push_back(true);
    pressNo();
    ws.mnuExitItem_Click();
    EXPECT_EQ(dialogs.log[dialogs.log.size() - 1].text, "     SAVE USER'S SETTINGS?");
    EXPECT_TRUE(ws.quitRequested());
    EXPECT_EQ(snapshot(tmp.path()), before);
}

TEST_F(WorkspaceTest, QuitOnTheSaveScreenEndsWithoutSaving)
{
    ws.startUp();
    makeSmith();
    const auto before = snapshot(tmp.path());
    windows.saveScreenActions.push_back([this] { ws.cmdQuit_Click(); });
    ws.mnuOpen_Click(); // the save screen comes first; Quit ends there
    EXPECT_TRUE(windows.ended);
    EXPECT_TRUE(dialogs.fileAnswers.empty());
    EXPECT_EQ(snapshot(tmp.path()), before);
}

TEST_F(WorkspaceTest, OpenWithoutStateFileKeepsStateValuesFromMemory)
{
    ws.startUp();
    makeSmith();
    ws.profile.StateStatus = "Married";
    ws.profile.StateExemptions = 3;
    ws.profile.FedAddl = 12.5f;
    ws.state.Ariz = 1; // kept only in the state file
    fs::remove(tmp / "Smith.sta");

    pressNo();
    dialogs.fileAnswers.push_back((tmp / "Smith.use").string());
    ws.mnuOpen_Click();

    EXPECT_EQ(ws.profile.StateStatus, "Married");
    EXPECT_EQ(ws.profile.StateExemptions, 3);
    EXPECT_EQ(ws.profile.FedAddl, 12.5f);
    EXPECT_EQ(ws.state.Ariz, 1);
}

TEST_F(WorkspaceTest, CorruptStateFileIsReportedAndOpenGoesOn)
{
    ws.startUp();
    makeSmith();
    std::ofstream(tmp / "Smith.sta", std::ios::binary) << "0,0,.04\r\n";
    pressNo();
    dialogs.fileAnswers.push_back((tmp / "Smith.use").string());
    ws.mnuOpen_Click();
    bool corrupt = false;
    for (const auto& m : dialogs.messages())
        corrupt |= m == "You have corupted a file.\r\nFind file,\r\nSmith.sta\r\nand delete it.";
    EXPECT_TRUE(corrupt);
    EXPECT_EQ(ws.form1.caption, "  User:  Smith");
}

TEST_F(WorkspaceTest, ClearKeepsTheStateAdjustmentSetting)
{
    ws.startUp();
    makeSmith();
    ws.state.StateAdj = 5;
    pressSave("Smith");
    ws.mnuSave_Click();

    pressNo();
    dialogs.fileAnswers.push_back((tmp / "Smith.use").string());
    ws.mnuOpen_Click(); // Open ends with a clear of the pay form
    ws.Clear_All();
    EXPECT_EQ(ws.state.StateAdj, 5.f);
    pressSave("Smith");
    ws.mnuSave_Click();
    EXPECT_NE(fileBytes(tmp / "Smith.sta").find(",5,0,0,0,0\r\n"), std::string::npos) << fileBytes(tmp / "Smith.sta");
}

TEST_F(WorkspaceTest, OpenReadsTheCityAndNonCityFiles)
{
    ws.startUp();
    makeSmith();
    ws.city.CityPerBS[1] = 0.05f;
    ws.nonCity.NonPer = 0.006f;
    pressSave("Smith");
    ws.mnuSave_Click();
    ws.city = CitySettings{};
    ws.nonCity = NonCitySettings{};

    pressNo();
    dialogs.fileAnswers.push_back((tmp / "Smith.use").string());
    ws.mnuOpen_Click();
    EXPECT_EQ(ws.city.CityPerBS[1], 0.05f);
    EXPECT_EQ(ws.city.CityMinBS[1], 308.f); // the rest of the New York preset came back too
    EXPECT_EQ(ws.nonCity.NonPer, 0.006f);
}

TEST_F(WorkspaceTest, NonCityResidentPaysTheNonCityTaxInTheCityTaxLabel)
{
    ws.startUp();
    makeSmith(); // bi-weekly at 10.00
    ws.showTaxInfo();
    ws.taxInfo.ckNonCity = true;
    ws.taxInfo_cmdOk();
    ws.form1.txtAmount[0] = "50"; // 500.00 of bi-weekly wages
    ws.cmdCal_Click();
    EXPECT_EQ(ws.form1.lbTaxDed[4], "1.90");
    EXPECT_EQ(ws.result.CityTax, 1.9);
}

// A file that could not be read whole is never replaced silently: the save after it keeps the
// damaged file beside itself and says so, once.
TEST_F(WorkspaceTest, TheSaveAfterADamagedFileKeepsItAside)
{
    ws.startUp();
    makeSmith(); // bi-weekly
    const std::string whole = fileBytes(tmp / "Smith.use");
    std::string cut;
    for (size_t at = 0, lines = 0; lines < 6; ++lines)
        cut = whole.substr(0, at = whole.find("\r\n", at) + 2);
    std::ofstream(tmp / "Smith.use", std::ios::binary) << cut;
    pressNo();
    dialogs.fileAnswers.push_back((tmp / "Smith.use").string());
    ws.mnuOpen_Click();
    EXPECT_TRUE(ws.fileFault());
    EXPECT_EQ(ws.damagedFiles().count(tmp / "Smith.use"), 1u);

    ws.form1.txtAmount = {"40", "", "", "", "", "", "", ""};
    dialogs.log.clear();
    ws.cmdCal_Click();
    EXPECT_EQ(fileBytes(tmp / "Smith.use.damaged"), cut);
    bool told = false;
    for (const auto& m : dialogs.messages())
        told |= m.find("It has been kept as Smith.use.damaged before this save replaced it.") != std::string::npos;
    EXPECT_TRUE(told);
    // Kept once: the next save finds nothing damaged.
    ws.cmdCal_Click();
    EXPECT_FALSE(fs::exists(tmp / "Smith.use.damaged.1"));
    EXPECT_TRUE(ws.damagedFiles().empty());
}

TEST_F(WorkspaceTest, WithSavesAfterFaultOffADamagedFileStopsTheClosingSave)
{
    ws.startUp();
    makeSmith();
    std::ofstream(tmp / "Smith.cti", std::ios::binary) << "0," << fileBytes(tmp / "Smith.cti"); // shifted
    const auto before = snapshot(tmp.path());
    ws.savesAfterFault = false;
    ws.openEmployee(tmp / "Smith.use");
    ws.form1.txtAmount = {"40", "", "", "", "", "", "", ""};
    ws.cmdCal_Click();
    EXPECT_EQ(snapshot(tmp.path()), before);
}

TEST_F(WorkspaceTest, APeriodBeyondTheLimitsShowsNoResultsAndSavesNothing)
{
    ws.startUp();
    makeSmith();
    const auto before = snapshot(tmp.path());
    for (const auto& entries : {std::array<std::string, 8>{"1e30", "", "", "", "", "", "10", ""},
                                std::array<std::string, 8>{"", "", "", "", "", "", "1000000", ""}}) {
        dialogs.log.clear();
        ws.form1.txtAmount = entries;
        ws.cmdCal_Click();
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_NE(dialogs.messages()[0].find("An entry may hold at most 999,999.99"), std::string::npos);
        EXPECT_EQ(ws.form1.Label13, "");
        EXPECT_EQ(ws.form1.lbNet, "");
        EXPECT_EQ(snapshot(tmp.path()), before);
    }
    EXPECT_TRUE(ws.periodRefused());
    // The largest entry is still calculated (the gross is a single: 999999.99 shows as 1,000,000.00).
    dialogs.log.clear();
    ws.form1.txtAmount = {"", "", "", "", "", "", "999999.99", ""};
    ws.cmdCal_Click();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(ws.form1.Label13, "$1,000,000.00");
}

TEST_F(WorkspaceTest, ASaveThatStopsPartWaySaysWhatItWroteAndWhatNot)
{
    ws.startUp();
    makeSmith();
    fs::remove(tmp / "Smith.sta");
    fs::create_directory(tmp / "Smith.sta");
    fs::create_directory(tmp / "Smith.sta" / "inside"); // a folder that cannot be replaced
    dialogs.log.clear();
    ws.txtSaveUser = "Smith";
    ws.cmdSaveUser_Click();
    std::string shown;
    for (const auto& m : dialogs.messages())
        shown += m + "\n";
    EXPECT_NE(shown.find("Saved: Smith.use, Smith.and, Smith.cfe, Smith.ovb, Smith.hol."), std::string::npos) << shown;
    EXPECT_NE(shown.find("Not saved: Smith.sta, Smith.cti, Smith.nci."), std::string::npos) << shown;
}

} // namespace
} // namespace tallyrin

namespace tallyrin {
namespace {

// An employee chosen in the staff window opens as File > Open opens one: the save screen first.
TEST_F(WorkspaceTest, AnEmployeeChosenInTheStaffListOpensAfterTheSaveScreen)
{
    makeSmith();
    dialogs.yesNoAnswers.push_back(false);
    dialogs.inputAnswers.push_back("Jones");
    ws.mnuNew_Click();
    ASSERT_EQ(ws.userName(), "Jones");
    pressNo();
    ws.openListedEmployee("Smith");
    EXPECT_TRUE(windows.saveScreenActions.empty()); // the save screen was shown
    EXPECT_EQ(ws.userName(), "Smith");
    EXPECT_EQ(ws.profile.HourRate, 10.0f);
}

} // namespace
} // namespace tallyrin
