#include "screens/DialogStateScreen.h"

#include "support/RecordingStateLinks.h"

#include "state/StateFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "text/FileStore.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tallyrin {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(TEST_DATA_DIR) / "state" / "NewYork.sta";
const std::string kNonNumber = "You have entered a NON numerial.";

class DialogStateScreenTest : public ::testing::Test
{
protected:
    void putFixture(const std::string& userName)
    {
        ASSERT_FALSE(replaceFile(folder / (userName + ".sta"), readWholeFile(kFixture).value()).failed());
    }

    TempFolder folder;
    StateSettings settings;
    EmployeeProfile profile;
    ScriptedDialogs dialogs;
    RecordingLinks links;
    EmployeeFiles files;
    DialogStateScreen screen{settings, profile, dialogs, files, links};
    // Open for the employee `user` of `where`.
    void open(const std::filesystem::path& where, const std::string& user)
    {
        files = EmployeeFiles(where, user);
        screen.open();
    }
};

TEST_F(DialogStateScreenTest, OpenWithoutFileFillsNewYork)
{
    open(folder.path(), "Smith");
    EXPECT_TRUE(screen.isOpen());
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(links.calls, std::vector<std::string>{"reloadProfile"});

    EXPECT_EQ(screen.txtStateMinBS[1], "308");
    EXPECT_EQ(screen.txtStateAmtBM[7], "407.85");
    EXPECT_EQ(screen.txtStatePerBS[0], "0.04");
    EXPECT_EQ(screen.txtStatePerBM[2], "0.0525");
    EXPECT_EQ(screen.txtStateMinBM[9], "999999");
    EXPECT_EQ(screen.txtStateSgExp[9], "614.8");
    EXPECT_EQ(screen.txtStateMarExp[1], "326");
    for (const std::string* box : {&screen.txtStateAdj, &screen.txtCalAllow, &screen.txtSDIpercent,
                                   &screen.txtSDIwageBase, &screen.txtSUIpercent, &screen.txtSUIwageBase})
        EXPECT_EQ(*box, "0");
    EXPECT_EQ(screen.Label26, "Flat Rate");
    EXPECT_EQ(screen.Label23, "Flat Rate");

    // ... and reads them back into the settings.
    EXPECT_FLOAT_EQ(settings.StateMinBS[5], 3462);
    EXPECT_FLOAT_EQ(settings.StatePerBM[3], 0.059f);
    EXPECT_FLOAT_EQ(settings.StateSgExp[2], 345.3f);
    EXPECT_FLOAT_EQ(settings.StateMarExp[9], 634);
    EXPECT_FALSE(std::filesystem::exists(folder / "Smith.sta")); // opening saves nothing
}

TEST_F(DialogStateScreenTest, OpenShowsTheStoredSettings)
{
    putFixture("Smith");
    open(folder.path(), "Smith");
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(screen.txtStatePerBS[1], "0.045");
    EXPECT_EQ(screen.txtStateSgExp[0], "268.3");
    EXPECT_EQ(screen.txtSDIpercent, "1.1");
    EXPECT_EQ(screen.txtSDIwageBase, "90669");
    EXPECT_EQ(screen.txtStateAdj, "-2.5");
    EXPECT_TRUE(screen.ckSDI);
    EXPECT_FALSE(screen.ckSUI);
    EXPECT_EQ(screen.Label26, "Wage Base");
    EXPECT_EQ(screen.Label23, "Flat Rate");
    EXPECT_EQ(profile.StateExemptions, 2);
    EXPECT_FLOAT_EQ(profile.FedAddl, 12.5f);
    EXPECT_FLOAT_EQ(settings.SDIwageBase, 90669);
}

TEST_F(DialogStateScreenTest, OpenWithoutFileShowsTheFlagsInMemory)
{
    settings.Missouri = 1;
    settings.SpouseWorks = 1;
    settings.RoundState = 1;
    settings.StateAdj = 3;
    open(folder.path(), "Smith");
    EXPECT_TRUE(screen.ckMissouri);
    EXPECT_TRUE(screen.ckSpouse);
    EXPECT_TRUE(screen.ckRoundOff);
    EXPECT_EQ(screen.txtStateAdj, "0"); // without a file the boxes are filled, not shown from memory
    EXPECT_EQ(settings.Missouri, 1);
    EXPECT_EQ(settings.RoundState, 1);
}

TEST_F(DialogStateScreenTest, CorruptFileIsReportedAndWhatWasReadIsShown)
{
    std::string text = readWholeFile(kFixture).value();
    text.replace(text.find("423"), 3, "4x3"); // line 3
    ASSERT_FALSE(replaceFile(folder / "Smith.sta", text).failed());
    settings.StateAmtBS[2] = 99;
    open(folder.path(), "Smith");
    ASSERT_EQ(dialogs.messages(),
              std::vector<std::string>{"You have corupted a file.\r\nFind file,\r\nSmith.sta\r\nand delete it."});
    EXPECT_EQ(screen.txtStateAmtBM[1], "12.31"); // read before the fault
    EXPECT_EQ(screen.txtStateAmtBS[2], "99");    // not reached
}

TEST_F(DialogStateScreenTest, SaveWritesTheFileAndCloses)
{
    profile.StateExemptions = 2;
    open(folder.path(), "Smith");
    screen.txtStatePerBS[0] = "0.05";
    screen.txtStateAdj = "";
    screen.ckRoundOff = true;
    links.calls.clear();
    EXPECT_TRUE(screen.OKButton_Click());

    EXPECT_FALSE(screen.isOpen());
    EXPECT_EQ(screen.txtStatePerBS[0], ""); // a closed screen is blank again
    EXPECT_FLOAT_EQ(settings.StatePerBS[0], 0.05f);
    EXPECT_EQ(settings.RoundState, 1);
    EXPECT_EQ(links.calls, std::vector<std::string>{"companions Smith"});
    const std::string written = readWholeFile(folder / "Smith.sta").value();
    EXPECT_EQ(written.substr(0, 17), "0,0,.05,0,0,.04\r\n");
    EXPECT_NE(written.find("\r\n0,0,0,0,0,0,0,0,0\r\n0,0,0,2,\"Single\",0,0,0,0,0,0\r\n"), std::string::npos);
}

TEST_F(DialogStateScreenTest, NonNumberStopsTheSave)
{
    for (const char* typed : {"1-2", "-", ".", "1 2", "abc", "1.2.3"}) {
        SCOPED_TRACE(typed);
        dialogs.log.clear();
        open(folder.path(), "Smith");
        const StateSettings before = settings;
        screen.txtStatePerBS[3] = typed;
        screen.txtSDIwageBase = "12";
        EXPECT_FALSE(screen.OKButton_Click());
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kNonNumber});
        EXPECT_TRUE(screen.isOpen());
        EXPECT_EQ(screen.txtStatePerBS[3], typed);
        EXPECT_FLOAT_EQ(settings.SDIwageBase, before.SDIwageBase); // nothing read
        EXPECT_FALSE(std::filesystem::exists(folder / "Smith.sta"));
    }
}

TEST_F(DialogStateScreenTest, SaveWithAStateCheckedStillFillsBlanksWhenReading)
{
    open(folder.path(), "Smith");
    screen.ckAriz = true;
    screen.txtStatePerBS[0] = "";
    screen.txtSUIpercent = "";
    ASSERT_TRUE(screen.OKButton_Click());
    EXPECT_FLOAT_EQ(settings.StatePerBS[0], 0.04f);
    EXPECT_EQ(settings.SUIpercent, 0);
    EXPECT_EQ(settings.Ariz, 1);
}

TEST_F(DialogStateScreenTest, FailedWriteKeepsTheScreenOpen)
{
    open(folder / "gone", "Smith");
    screen.txtStateAdj = "4";
    EXPECT_FALSE(screen.OKButton_Click());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("Check your numbers\r\nNo blanks\r\nOnly numbers\r\nThe file\r\nSmith.sta", 0), 0u);
    EXPECT_TRUE(screen.isOpen());
    EXPECT_EQ(screen.txtStateAdj, "4");
}

TEST_F(DialogStateScreenTest, CancelReadsNothing)
{
    open(folder.path(), "Smith");
    const StateSettings before = settings;
    screen.txtStateMinBS[1] = "400";
    screen.ckUtah = true;
    screen.CancelButton_Click();
    EXPECT_FALSE(screen.isOpen());
    EXPECT_FLOAT_EQ(settings.StateMinBS[1], before.StateMinBS[1]);
    EXPECT_EQ(settings.Utah, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "Smith.sta"));
}

TEST_F(DialogStateScreenTest, NewYorkRestoresTheScreen)
{
    open(folder.path(), "Smith");
    screen.ckMissouri = screen.ckSpouse = screen.ckSpouseVisible = true;
    screen.txtStateMinBS[4] = "1";
    screen.txtStateMarExp[4] = "1";
    screen.txtSDIpercent = "2";
    screen.Label14 = "Standard";
    screen.Label27[3] = "";
    screen.enabled.txtStateAmtBM[6] = false;
    screen.cmdDefault_Click();

    EXPECT_FALSE(screen.ckMissouri || screen.ckSpouse || screen.ckSpouseVisible);
    EXPECT_EQ(screen.txtStateMinBS[4], "769");
    EXPECT_EQ(screen.txtStateMarExp[4], "441.5");
    EXPECT_EQ(screen.txtSDIpercent, "0");
    EXPECT_EQ(screen.Label14, "Single");
    EXPECT_EQ(screen.Label15, "Married");
    EXPECT_EQ(screen.Label21, "BiWeekly");
    EXPECT_EQ(screen.Label27[3], "3");
    EXPECT_TRUE(screen.enabled.txtStateAmtBM[6]);
}

TEST_F(DialogStateScreenTest, ClearAllLeavesNoRowInUse)
{
    open(folder.path(), "Smith");
    screen.ckRoundOff = screen.ckSpouse = screen.ckSpouseVisible = true;
    screen.txtSDIpercent = "1.1";
    screen.cmdClearAll_Click();
    EXPECT_EQ(screen.txtStateMinBS[0], "999999");
    EXPECT_EQ(screen.txtStateMinBM[9], "999999");
    EXPECT_EQ(screen.txtStatePerBS[0], "0");
    EXPECT_EQ(screen.txtStateSgExp[5], "0");
    EXPECT_FALSE(screen.ckRoundOff || screen.ckSpouse || screen.ckSpouseVisible);
    EXPECT_EQ(screen.txtSDIpercent, "1.1");
}

TEST_F(DialogStateScreenTest, NoStateTaxThenBackShowsTheStoredTable)
{
    putFixture("Smith");
    open(folder.path(), "Smith");
    screen.txtStateMinBS[1] = "300"; // typed, never stored
    screen.txtSDIpercent = "7";
    screen.ckOregon = true;

    screen.ckNoStateTax = true;
    screen.ckNoStateTax_Click();
    EXPECT_EQ(settings.NoStateTax, 1);
    EXPECT_EQ(screen.txtStateMinBS[1], "999999");
    EXPECT_EQ(screen.txtStateAmtBS[1], "0");
    EXPECT_EQ(screen.txtStateMarExp[0], "0");
    EXPECT_FALSE(screen.ckOregon);
    EXPECT_EQ(screen.txtSDIpercent, "1.1");

    screen.ckNoStateTax = false;
    screen.ckNoStateTax_Click();
    EXPECT_EQ(screen.txtStateMinBS[1], "308");
    EXPECT_EQ(screen.txtStateMarExp[0], "287.5");
}

TEST_F(DialogStateScreenTest, UseBaseSwitchesTheLabel)
{
    open(folder.path(), "Smith");
    screen.txtSDIpercent = "1.1";
    screen.ckSDI = true;
    screen.ckSDI_Click();
    EXPECT_EQ(screen.Label26, "Wage Base");
    EXPECT_EQ(screen.txtSDIpercent, "1.1");
    screen.ckSDI = false;
    screen.ckSDI_Click();
    EXPECT_EQ(screen.Label26, "Flat Rate");
    EXPECT_EQ(screen.txtSDIpercent, "0");

    screen.txtSUIpercent = "2";
    screen.ckSUI_Click(); // unchecked
    EXPECT_EQ(screen.txtSUIpercent, "0");
    EXPECT_EQ(screen.Label23, "Flat Rate");
}

TEST_F(DialogStateScreenTest, MakeDefaultWritesTheEmployeeThenTheDefaults)
{
    open(folder.path(), "Smith");
    screen.txtStateAdj = "1.5";
    links.calls.clear();
    ASSERT_TRUE(screen.cmdMkDefault_Click());
    EXPECT_EQ(links.calls,
              (std::vector<std::string>{"companions Smith", "companions ", "leave ", "local ", "closeOtherScreens"}));
    const std::string own = readWholeFile(folder / "Smith.sta").value();
    EXPECT_EQ(readWholeFile(folder / ".sta").value(), own);
    EXPECT_NE(own.find("\r\n0,0,0,0,1.5,"), std::string::npos);
    EXPECT_FALSE(screen.isOpen());
}

TEST_F(DialogStateScreenTest, MakeDefaultWithANonNumberWritesNothing)
{
    open(folder.path(), "Smith");
    screen.txtCalAllow = "-";
    links.calls.clear();
    EXPECT_FALSE(screen.cmdMkDefault_Click());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kNonNumber});
    EXPECT_TRUE(links.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / ".sta"));
}

TEST_F(DialogStateScreenTest, GetDefaultLoadsTheDefaultFile)
{
    open(folder.path(), "Smith");
    screen.txtStateAdj = "9";
    screen.cmdGetDefault_Click(); // no default file: nothing happens
    EXPECT_EQ(screen.txtStateAdj, "9");

    putFixture("");
    screen.cmdGetDefault_Click();
    EXPECT_EQ(screen.txtStateAdj, "-2.5");
    EXPECT_FLOAT_EQ(settings.StateAdj, -2.5f);
    EXPECT_EQ(profile.StateExemptions, 2);
    EXPECT_TRUE(dialogs.log.empty());
}

using Box = DialogStateScreen::StateBox;

TEST_F(DialogStateScreenTest, PressingAStateUnchecksTheOthersAndSetsRoundState)
{
    open(folder.path(), "Smith");
    screen.ckNoStateTax = true;
    screen.ckRoundOff = true;
    screen.stateBox_MouseDown(Box::Kentucky);
    EXPECT_TRUE(screen.ckKentucky);
    EXPECT_FALSE(screen.ckNoStateTax);
    EXPECT_FALSE(screen.ckRoundOff);
    EXPECT_EQ(screen.txtStateMinBS[0], "57.69"); // the weekly preset

    screen.stateBox_MouseDown(Box::NC);
    EXPECT_TRUE(screen.ckNC);
    EXPECT_FALSE(screen.ckKentucky);
    EXPECT_TRUE(screen.ckRoundOff);
    // Missouri leaves "Round State" as it is: its method checks it at every calculation.
    screen.stateBox_MouseDown(Box::Missouri);
    EXPECT_TRUE(screen.ckRoundOff);
    screen.ckRoundOff = false;
    screen.stateBox_MouseDown(Box::Missouri); // checked: the preset reloads and the box unchecks
    EXPECT_FALSE(screen.ckRoundOff);
    EXPECT_FALSE(screen.anyStateBoxChecked());

    screen.stateBox_MouseDown(Box::Mass);
    screen.txtStatePerBS[0] = "0.06";
    screen.stateBox_MouseDown(Box::Mass);
    EXPECT_FALSE(screen.ckMass);
    EXPECT_EQ(screen.txtStatePerBS[0], "0.053");
}

TEST_F(DialogStateScreenTest, SpouseWorksWithMissouri)
{
    profile.StateStatus = "Married";
    profile.Weekly = false;
    profile.BiWeekly = true;
    open(folder.path(), "Smith");
    screen.stateBox_MouseDown(Box::Missouri);
    EXPECT_TRUE(screen.ckSpouseVisible);
    EXPECT_EQ(screen.txtStateSgExp[0], "438.46");
    EXPECT_EQ(screen.txtStateSgExp[9], "438.46");
    EXPECT_FALSE(screen.Frame1Enabled);

    screen.ckSpouse = true;
    screen.ckSpouse_Click();
    EXPECT_EQ(screen.txtStateSgExp[0], "219.23");
    EXPECT_EQ(screen.txtStateMarExp[1], "80.77");

    // Utah shows "Spouse Works" too, unchecked by its preset; the next preset starts afresh.
    screen.stateBox_MouseDown(Box::Utah);
    EXPECT_TRUE(screen.ckSpouseVisible);
    EXPECT_FALSE(screen.ckSpouse);
    EXPECT_TRUE(screen.Frame1Enabled);
    EXPECT_EQ(screen.txtStateSgExp[1], "5");
    screen.ckSpouse_Click(); // without Missouri: nothing
    EXPECT_EQ(screen.txtStateSgExp[1], "5");
}

TEST_F(DialogStateScreenTest, OpenRunsThePresetForTheProfileAsItIsNow)
{
    settings.Kentucky = 1;
    open(folder.path(), "Smith");
    EXPECT_FLOAT_EQ(settings.StateMinBS[0], 57.69f);
    EXPECT_FLOAT_EQ(settings.StateSgExp[3], 1.153f);
    EXPECT_EQ(settings.Kentucky, 1);
    screen.close();

    profile.Weekly = false;
    profile.BiWeekly = true;
    open(folder.path(), "Smith");
    EXPECT_FLOAT_EQ(settings.StateMinBS[0], 115.38f);
    EXPECT_FLOAT_EQ(settings.StateAmtBM[5], 84.23f);
    EXPECT_FLOAT_EQ(settings.StateSgExp[3], 2.31f);
    screen.close();

    // Oregon clears Utah, whose preset then does not run; Louisiana's preset runs before Arizona's.
    settings = StateSettings{};
    settings.Oregon = settings.Utah = 1;
    open(folder.path(), "Smith");
    EXPECT_EQ(settings.Utah, 0);
    EXPECT_FLOAT_EQ(settings.StateMinBS[2], 275);
    EXPECT_EQ(screen.Label19, "BIWEEKLY");
    screen.close();

    settings = StateSettings{};
    settings.Louis = settings.Ariz = 1;
    open(folder.path(), "Smith");
    EXPECT_EQ(screen.Label14, "Single"); // Arizona's preset ran last
}

TEST_F(DialogStateScreenTest, MissouriChecksRoundStateAfterTheCalculation)
{
    open(folder.path(), "Smith");
    screen.calculationRan();
    EXPECT_EQ(settings.RoundState, 0);
    screen.stateBox_MouseDown(Box::Missouri);
    ASSERT_TRUE(screen.readScreen());
    screen.calculationRan();
    EXPECT_EQ(settings.RoundState, 1);
    EXPECT_TRUE(screen.ckRoundOff);
}

} // namespace
} // namespace tallyrin
