#include "employee/ProfileFiles.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <cmath>
#include <fstream>
#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace tallyrin {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(TEST_DATA_DIR) / "employee";

void spit(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::string> lines(const std::string& content)
{
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(content.substr(start, end - start));
    EXPECT_EQ(start, content.size()) << "last line not ended by CR LF";
    return out;
}

// The values of the hand-written fixtures Jane.use, Jane.and and Jane.cfe.
struct Jane
{
    EmployeeProfile profile;
    OvertimeTracker tracker;
    StateSettings state;

    Jane()
    {
        tracker.OtEarned = 1170.5f;
        tracker.OtMaximum = 2340.1f;
        tracker.OtAvailable = 1169.6f;
        tracker.AnnualSalary = 15600;
        tracker.ApprovedPercent = 15;
        tracker.PresentRate = 0.075f;
        auto& p = profile;
        p.HourRate = 12.5f, p.HourRate2 = 0.75f, p.TipsRate = 2.13f;
        p.FedAllowances = "1", p.FedStatus = "Single", p.PensionPct = 3;
        p.CreditUnionAmt = 25, p.BondAmt = 10.5f, p.MiscAmt = 0.045f;
        p.DuesAmt = 7.25f, p.KPlanValue = 4, p.NonCityResident = 1;
        p.Weekly = false, p.BiWeekly = true;
        p.DeductLabel = {"Credit U", "Savings", "Union", "Retire", "Other"};
        p.HorzOffset = 2, p.VertOffset = -1.5f;
        p.EmpAddress = "12 Main St", p.EmpCityStateZip = "Springfield, IL 62701", p.EmpSsn = "123-45-6789";
        p.EmpName = "Jane Doe";
        p.KPlanPercent = 0, p.KPlanFixed = 1;
        p.CafeteriaAmt = 45.5f, p.CafeDeductState = 1, p.SelfEmployed = 0;
        state.SpouseWorks = 1, state.CalAllow = 1000;
        state.RoundState = 1, state.Alabama = 1;
    }
};

// Every file of the family that was there read whole.
bool readWhole(const std::vector<FileOutcome>& read)
{
    return std::none_of(read.begin(), read.end(), [](const FileOutcome& o) { return o.failed(); });
}

TEST(ProfileFilesTest, SavedProfileMatchesHandWrittenFilesByteForByte)
{
    TempFolder folder;
    Jane jane;
    const FileOutcome save = saveProfileFamily(folder.path(), "Jane", jane.profile, jane.tracker, jane.state);
    ASSERT_FALSE(save.failed()) << save.message();
    for (const char* ext : {".use", ".and", ".cfe"}) {
        SCOPED_TRACE(ext);
        EXPECT_EQ(fileBytes(folder / ("Jane" + std::string(ext))), fileBytes(kFixtures / ("Jane" + std::string(ext))));
    }
    // Bi-weekly pay writes the 26-row file only.
    EXPECT_TRUE(std::filesystem::exists(folder / "Jane.ovb"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Jane.ovw"));
}

TEST(ProfileFilesTest, LoadReadsEveryFieldOfTheFamily)
{
    EmployeeProfile profile;
    OvertimeTracker tracker;
    StateSettings state;
    ASSERT_TRUE(readWhole(loadProfileFamily(kFixtures, "Jane", profile, tracker, state)));

    // Writing what was read gives the same texts, so every item landed in its own field.
    Jane jane;
    EXPECT_EQ(writeUseFile(profile, tracker), writeUseFile(jane.profile, jane.tracker));
    EXPECT_EQ(writeAndFile(profile, state), writeAndFile(jane.profile, jane.state));
    EXPECT_EQ(writeCfeFile(profile), writeCfeFile(jane.profile));
    // The double figures of line 1 come back as singles; the present rate as its two-decimal text.
    EXPECT_EQ(tracker.OtMaximum, 2340.1f);
    EXPECT_EQ(tracker.PresentRate, 0.08f);
    EXPECT_EQ(profile.EmpName, "Jane Doe");
    EXPECT_EQ(profile.MiscAmt, 0.045f);
    EXPECT_EQ(state.Alabama, 1);
}

TEST(ProfileFilesTest, NewProfileWritesEmptyReservedItemsUnderAnEmptyUserName)
{
    TempFolder folder;
    EmployeeProfile profile;
    OvertimeTracker tracker;
    ASSERT_FALSE(saveProfileFamily(folder.path(), "", profile, tracker, StateSettings{}).failed());

    const auto use = lines(fileBytes(folder / ".use"));
    ASSERT_EQ(use.size(), 12u);
    EXPECT_EQ(use[1], "0,0,0");
    EXPECT_EQ(use[2], "7.5,0,0");
    EXPECT_EQ(use[3], "\"0\",\"Single\",0");
    EXPECT_EQ(use[6], "#TRUE#,#FALSE#,\"CrUnion\"");
    for (size_t i = 8; i < 12; ++i)
        EXPECT_EQ(use[i], ",,,");
    const auto andLines = lines(fileBytes(folder / ".and"));
    ASSERT_EQ(andLines.size(), 9u);
    EXPECT_EQ(andLines[1], "0,0,0");
    EXPECT_EQ(andLines[3], "#FALSE#,#FALSE#,#FALSE#");
    EXPECT_EQ(andLines[5], "\"Employee's Name\",\"\",\"\"");
    EXPECT_EQ(andLines[8], "1,0");
    EXPECT_EQ(fileBytes(folder / ".cfe"), "0,0,0\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder / ".ovw"));
}

TEST(ProfileFilesTest, ReservedItemsSurviveLoadAndSave)
{
    TempFolder folder;
    for (const char* ext : {".use", ".and", ".cfe"})
        std::filesystem::copy_file(kFixtures / ("Keep" + std::string(ext)), folder / ("Keep" + std::string(ext)));
    EmployeeProfile profile;
    OvertimeTracker tracker;
    StateSettings state;
    ASSERT_TRUE(readWhole(loadProfileFamily(folder.path(), "Keep", profile, tracker, state)));
    EXPECT_EQ(profile.UseReserved[0], ReservedItem::ofText("kept"));
    EXPECT_EQ(profile.UseReserved[5], ReservedItem::ofText("a,b"));

    ASSERT_FALSE(saveProfileFamily(folder.path(), "Keep", profile, tracker, state).failed());
    for (const char* ext : {".use", ".and", ".cfe"}) {
        SCOPED_TRACE(ext);
        EXPECT_EQ(fileBytes(folder / ("Keep" + std::string(ext))), fileBytes(kFixtures / ("Keep" + std::string(ext))));
    }
}

TEST(ProfileFilesTest, MissingCfeKeepsCafeteriaValuesAndIsWrittenAtTheNextSave)
{
    TempFolder folder;
    for (const char* ext : {".use", ".and"})
        std::filesystem::copy_file(kFixtures / ("Jane" + std::string(ext)), folder / ("Jane" + std::string(ext)));
    EmployeeProfile profile;
    profile.CafeteriaAmt = 45.5f;
    profile.CafeDeductState = 1;
    OvertimeTracker tracker;
    StateSettings state;
    ASSERT_TRUE(readWhole(loadProfileFamily(folder.path(), "Jane", profile, tracker, state)));
    EXPECT_EQ(profile.CafeteriaAmt, 45.5f);
    EXPECT_EQ(profile.CafeDeductState, 1);

    ASSERT_FALSE(saveProfileFamily(folder.path(), "Jane", profile, tracker, state).failed());
    EXPECT_EQ(fileBytes(folder / "Jane.cfe"), fileBytes(kFixtures / "Jane.cfe"));
}

TEST(ProfileFilesTest, WeeklyRowsRoundTrip)
{
    TempFolder folder;
    EmployeeProfile profile; // weekly
    OvertimeTracker tracker;
    for (size_t row = 0; row < 52; ++row) {
        tracker.OtDates[row] = "week " + std::to_string(row + 1);
        tracker.OtAmounts[row] = std::to_string(row);
    }
    tracker.OtDates[0] = "12/31/2009";
    tracker.OtAmounts[0] = "12.5";
    tracker.OtAmounts[1] = "12abc";
    tracker.OtAmounts[2] = "";
    tracker.OtAmounts[3] = ".5";
    tracker.OtAmounts[51] = "";
    ASSERT_FALSE(saveProfileFamily(folder.path(), "Week", profile, tracker, StateSettings{}).failed());
    EXPECT_EQ(tracker.OtAmounts[2], "0");
    EXPECT_EQ(tracker.OtAmounts[51], "0");

    const auto rows = lines(fileBytes(folder / "Week.ovw"));
    ASSERT_EQ(rows.size(), 104u);
    EXPECT_EQ(rows[0], "\"12/31/2009\"");
    EXPECT_EQ(rows[1], "12.5");
    EXPECT_EQ(rows[3], "12");
    EXPECT_EQ(rows[5], "0");
    EXPECT_EQ(rows[7], ".5");
    EXPECT_EQ(rows[102], "\"week 52\"");

    OvertimeTracker back;
    ASSERT_FALSE(readOvertimeRows(fileBytes(folder / "Week.ovw"), back, true));
    EXPECT_EQ(back.OtDates, tracker.OtDates);
    EXPECT_EQ(back.OtAmounts[0], "12.5");
    EXPECT_EQ(back.OtAmounts[1], "12");
    EXPECT_EQ(back.OtAmounts[3], "0.5");
    EXPECT_EQ(back.OtAmounts[50], "50");
}

TEST(ProfileFilesTest, BiWeeklyRowsFileHoldsExactly26Rows)
{
    TempFolder folder;
    EmployeeProfile profile;
    profile.Weekly = false, profile.BiWeekly = true;
    OvertimeTracker tracker;
    tracker.OtAmounts.fill("7");
    tracker.OtAmounts[25] = "";
    tracker.OtAmounts[30] = "";
    ASSERT_FALSE(saveProfileFamily(folder.path(), "Bi", profile, tracker, StateSettings{}).failed());
    EXPECT_EQ(tracker.OtAmounts[25], "0");
    EXPECT_EQ(tracker.OtAmounts[30], ""); // not an active row
    EXPECT_EQ(lines(fileBytes(folder / "Bi.ovb")).size(), 52u);
    EXPECT_FALSE(std::filesystem::exists(folder / "Bi.ovw"));

    // Loading fills rows 1-26 and leaves the rest as they were.
    OvertimeTracker back;
    back.OtAmounts.fill("x");
    StateSettings state;
    ASSERT_TRUE(readWhole(loadProfileFamily(folder.path(), "Bi", profile, back, state)));
    EXPECT_EQ(back.OtAmounts[0], "7");
    EXPECT_EQ(back.OtAmounts[25], "0");
    EXPECT_EQ(back.OtAmounts[26], "x");
}

TEST(ProfileFilesTest, TruncatedUseReportsTheFaultAndKeepsWhatWasRead)
{
    TempFolder folder;
    const auto jane = lines(fileBytes(kFixtures / "Jane.use"));
    spit(folder / "Cut.use", jane[0] + "\r\n" + jane[1] + "\r\n" + jane[2] + "\r\n" + jane[3] + "\r\n25,10.5");
    std::filesystem::copy_file(kFixtures / "Jane.and", folder / "Cut.and");

    EmployeeProfile profile;
    profile.MiscAmt = 99, profile.DuesAmt = 98;
    OvertimeTracker tracker;
    StateSettings state;
    const auto load = loadProfileFamily(folder.path(), "Cut", profile, tracker, state);
    ASSERT_EQ(load.size(), 4u);
    EXPECT_EQ(load[0].kind, FileOutcome::Kind::Corrupt);
    EXPECT_EQ(load[0].file, folder / "Cut.use");
    ASSERT_TRUE(load[0].fault);
    EXPECT_EQ(load[0].fault->line, 5);
    EXPECT_EQ(load[1].kind, FileOutcome::Kind::Done);
    EXPECT_EQ(load[2].kind, FileOutcome::Kind::Missing);
    EXPECT_EQ(load[0].message(), "The file\r\nCut.use\r\ncould not be read completely.\r\n"
                                        "Reading stopped at line 5; the values read before it were kept.");
    EXPECT_EQ(profile.FedAllowances, "1");
    EXPECT_EQ(profile.BondAmt, 10.5f);
    EXPECT_EQ(profile.MiscAmt, 99);
    EXPECT_EQ(profile.DuesAmt, 98);
    // The later files of the family are still read.
    EXPECT_EQ(profile.EmpName, "Jane Doe");
}

TEST(ProfileFilesTest, SaveStopsAtTheFirstFileThatCannotBeWritten)
{
    TempFolder folder;
    std::filesystem::create_directory(folder / "Jane.and"); // a folder where the file should go
    Jane jane;
    const FileOutcome save = saveProfileFamily(folder.path(), "Jane", jane.profile, jane.tracker, jane.state);
    ASSERT_TRUE(save.failed());
    EXPECT_EQ(save.file, folder / "Jane.and");
    EXPECT_EQ(save.message().rfind("The file\r\nJane.and\r\ncould not be saved.", 0), 0u) << save.message();
    EXPECT_TRUE(std::filesystem::exists(folder / "Jane.use"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Jane.cfe"));
    EXPECT_FALSE(std::filesystem::exists(folder / "Jane.ovb"));
}

TEST(ProfileFilesTest, PresentRateIsStoredAsItsTwoDecimalText)
{
    const struct
    {
        float rate;
        const char* line2;
    } cases[] = {{0.075f, "15600,15,.08"}, {0, "15600,15,0"}, {0.5f, "15600,15,.5"}, {INFINITY, "15600,15,0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        OvertimeTracker tracker;
        tracker.AnnualSalary = 15600, tracker.ApprovedPercent = 15, tracker.PresentRate = c.rate;
        EXPECT_EQ(lines(writeUseFile(EmployeeProfile{}, tracker))[1], c.line2);
    }
}

} // namespace
} // namespace tallyrin
