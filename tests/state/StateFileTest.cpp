#include "state/StateFile.h"

#include "state/StateTestTables.h"
#include "support/TempFolder.h"
#include "text/FileStore.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tallyrin {
namespace {

const std::filesystem::path kFixture = std::filesystem::path(TEST_DATA_DIR) / "state" / "NewYork.sta";

std::string fixture() { return readWholeFile(kFixture).value(); }

// The settings the fixture holds.
void fixtureSettings(StateSettings& s, EmployeeProfile& p)
{
    s = testing::newYorkSettings();
    s.SDIpercent = 1.1f;
    s.SUIpercent = 0.5f;
    s.SDIwageBase = 90669;
    s.SUIwageBase = 7000;
    s.StateAdj = -2.5f;
    s.SDIuseBase = 1;
    p.SsMediExempt = 1;
    p.StateExemptions = 2;
    p.StateStatus = "Single";
    p.FedAddl = 12.5f;
}

TEST(StateFileTest, WritesTheFileByteForByte)
{
    StateSettings s;
    EmployeeProfile p;
    fixtureSettings(s, p);
    EXPECT_EQ(writeStateSettings(s, p), fixture());
}

TEST(StateFileTest, ReadsTheFileAndWritesItBackUnchanged)
{
    StateSettings s;
    EmployeeProfile p;
    p.StateStatus = "Married";
    ASSERT_FALSE(readStateSettings(fixture(), s, p));
    EXPECT_FLOAT_EQ(s.StateMinBS[7], 5769);
    EXPECT_FLOAT_EQ(s.StatePerBM[2], 0.0525f);
    EXPECT_FLOAT_EQ(s.StateSgExp[9], 614.8f);
    EXPECT_FLOAT_EQ(s.StateMarExp[1], 326);
    EXPECT_FLOAT_EQ(s.StateAdj, -2.5f);
    EXPECT_EQ(s.SDIuseBase, 1);
    EXPECT_EQ(p.SsMediExempt, 1);
    EXPECT_EQ(p.StateExemptions, 2);
    EXPECT_EQ(p.StateStatus, "Single");
    EXPECT_FLOAT_EQ(p.FedAddl, 12.5f);
    EXPECT_EQ(writeStateSettings(s, p), fixture());
}

TEST(StateFileTest, EveryFlagKeepsItsPlace)
{
    // Each flag set alone must come back in its own field, so no two items are swapped.
    int16_t StateSettings::*const flags[] = {
        &StateSettings::NoStateTax, &StateSettings::SDIuseBase, &StateSettings::SUIuseBase, &StateSettings::Alabama,
        &StateSettings::Ariz,       &StateSettings::Louis,      &StateSettings::Iowa,       &StateSettings::Mass,
        &StateSettings::Oregon,     &StateSettings::Kentucky,   &StateSettings::Missouri,
    };
    for (auto flag : flags) {
        StateSettings s;
        s.*flag = 1;
        const EmployeeProfile p;
        StateSettings back;
        EmployeeProfile backProfile;
        ASSERT_FALSE(readStateSettings(writeStateSettings(s, p), back, backProfile));
        for (auto other : flags)
            EXPECT_EQ(back.*other, other == flag ? 1 : 0);
    }
}

TEST(StateFileTest, ItemsKeptInOtherFilesAreNotWritten)
{
    StateSettings s;
    s.CalAllow = 7;
    s.SpouseWorks = s.RoundState = s.Utah = s.Wiscon = s.NC = 1;
    EXPECT_EQ(writeStateSettings(s, EmployeeProfile{}), writeStateSettings(StateSettings{}, EmployeeProfile{}));
}

TEST(StateFileTest, ShortFileKeepsWhatWasRead)
{
    // The fixture cut after line 12: the tables, NoStateTax and the first allowance pair are read.
    const std::string full = fixture();
    size_t cut = 0;
    for (int line = 0; line < 12; ++line)
        cut = full.find("\r\n", cut) + 2;

    StateSettings s;
    s.StateSgExp[1] = 1;
    s.SDIpercent = 3;
    EmployeeProfile p;
    p.StateStatus = "Married";
    const auto fault = readStateSettings(full.substr(0, cut), s, p);
    ASSERT_TRUE(fault);
    EXPECT_FLOAT_EQ(s.StateMinBM[9], 999999);
    EXPECT_FLOAT_EQ(s.StateSgExp[0], 268.3f);
    EXPECT_FLOAT_EQ(s.StateMarExp[0], 287.5f);
    EXPECT_FLOAT_EQ(s.StateSgExp[1], 1);
    EXPECT_FLOAT_EQ(s.SDIpercent, 3);
    EXPECT_EQ(p.StateStatus, "Married");
}

TEST(StateFileTest, LoadAndSaveInTheWorkingFolder)
{
    TempFolder folder;
    StateSettings s;
    EmployeeProfile p;
    fixtureSettings(s, p);
    ASSERT_FALSE(saveStateFile(folder.path(), "Smith", s, p).failed());
    EXPECT_TRUE(stateFileExists(folder.path(), "Smith"));
    EXPECT_FALSE(stateFileExists(folder.path(), "Jones"));
    EXPECT_EQ(readWholeFile(folder / "Smith.sta").value(), fixture());

    StateSettings loaded;
    EmployeeProfile loadedProfile;
    const FileOutcome load = loadStateFile(folder.path(), "Smith", loaded, loadedProfile);
    EXPECT_TRUE(load.found());
    EXPECT_EQ(load.message(), "");
    EXPECT_EQ(writeStateSettings(loaded, loadedProfile), fixture());

    // A missing file reads nothing.
    loaded.StateAdj = 4;
    EXPECT_FALSE(loadStateFile(folder.path(), "Jones", loaded, loadedProfile).found());
    EXPECT_FLOAT_EQ(loaded.StateAdj, 4);

    // The default file is the same format under the bare extension.
    ASSERT_FALSE(saveStateFile(folder.path(), "", s, p).failed());
    EXPECT_TRUE(std::filesystem::exists(folder / ".sta"));
}

TEST(StateFileTest, CorruptFileNamesItself)
{
    TempFolder folder;
    std::string text = fixture();
    text.replace(text.find("308"), 3, "3x8"); // line 2
    ASSERT_FALSE(replaceFile(folder / "Smith.sta", text).failed());
    ASSERT_FALSE(replaceFile(folder / ".sta", fixture().substr(0, 40)).failed());

    StateSettings s;
    EmployeeProfile p;
    FileOutcome load = loadStateFile(folder.path(), "Smith", s, p);
    EXPECT_TRUE(load.found());
    EXPECT_EQ(load.message(), "You have corupted a file.\r\nFind file,\r\nSmith.sta\r\nand delete it.");
    EXPECT_FLOAT_EQ(s.StatePerBM[0], 0.04f); // line 1 was read
    EXPECT_FLOAT_EQ(s.StateAmtBS[1], 0);     // after the fault nothing more

    load = loadStateFile(folder.path(), "", s, p);
    EXPECT_EQ(load.message(), "You have corupted a file.\r\nFind file,\r\n.sta\r\nand delete it.");
}

TEST(StateFileTest, FailedSaveGivesTheMessage)
{
    TempFolder folder;
    StateSettings s;
    EmployeeProfile p;
    const auto failed = saveStateFile(folder / "no such folder", "Smith", s, p);
    ASSERT_TRUE(failed.failed());
    EXPECT_EQ(failed.message().rfind("Check your numbers\r\nNo blanks\r\nOnly numbers\r\nThe file\r\nSmith.sta\r\n"
                                     "could not be saved.\r\n",
                                     0),
              0u)
        << failed.message();
}

} // namespace
} // namespace tallyrin
