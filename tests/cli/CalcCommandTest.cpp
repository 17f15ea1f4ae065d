#include "cli/CalcCommand.h"

#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

struct CliRun
{
    int status;
    std::string out, err;
};

class CalcCommandTest : public ::testing::Test
{
protected:
    CalcCommandTest()
    {
        for (const char* name : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / name, tmp / name);
        // A weekly single employee at 10.00 an hour, written as the program writes it.
        write("Smith.use", "0,0,0\r\n0,0,0\r\n10,0,0\r\n\"0\",\"Single\",0\r\n0,0,0\r\n0,0,0\r\n"
                           "#TRUE#,#FALSE#,\"CrUnion\"\r\n\"Bond\",\"Dues\",\"Pension\",\"Misc.\"\r\n"
                           ",,,\r\n,,,\r\n,,,\r\n,,,\r\n");
    }

    void write(const std::string& name, const std::string& text)
    {
        std::ofstream(tmp / name, std::ios::binary) << text;
    }

    CliRun run(std::vector<std::string> args)
    {
        std::ostringstream out, err;
        const int status = runCli(args, out, err);
        return {status, out.str(), err.str()};
    }

    std::vector<std::string> args(const std::string& entries)
    {
        return {"--folder", tmp.path().string(), "--user", "Smith", "--entries", entries};
    }

    TempFolder tmp;
};

TEST_F(CalcCommandTest, BadArgumentsAreUsageErrors)
{
    for (const auto& bad :
         std::vector<std::vector<std::string>>{{},
                                               {"--folder", "x", "--user", "Smith"},
                                               {"--folder", "x", "--user", "Smith", "--entries", "1,2,3,4,5,6,7"},
                                               {"--folder", "x", "--user", "Smith", "--entries", "1,2,3,4,5,6,7,8,9"},
                                               {"--folder", "x", "--user", "Smith", "--entries", "1,,,,,,,", "--bogus"},
                                               {"--folder"}}) {
        const CliRun r = run(bad);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage: tallyrin-calc --folder DIR"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CalcCommandTest, MissingEmployeeIsAFileError)
{
    auto a = args("40,,,,,,,");
    a[3] = "Nobody";
    const CliRun r = run(a);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Nobody.use"), std::string::npos);
}

TEST_F(CalcCommandTest, PrintsEveryLabelInOrderAndWritesNothing)
{
    const CliRun r = run(args("40,,2,,,,,"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);)
        names.push_back(line.substr(0, line.find('\t')));
    const std::vector<std::string> expected{
        "Label13",    "lbTaxes",    "lbDeduct",    "lbNet",      "lbOverT",    "lbTips",     "lbTaxDed_0",
        "lbTaxDed_1", "lbTaxDed_2", "lbTaxDed_3",  "lbTaxDed_4", "lbTaxDed_5", "lbTaxDed_6", "lbTaxDed_7",
        "lbTaxDed_8", "lbTaxDed_9", "lbTaxDed_10", "lbSDI",      "lbSUI",      "lbCafe",     "lbTaxVer"};
    EXPECT_EQ(names, expected);
    EXPECT_NE(r.out.find("Label13\t$420.00\n"), std::string::npos); // 40 x 10 + 2 O.T. hours at 1X
    EXPECT_NE(r.out.find("lbOverT\t$20.00\n"), std::string::npos);
    EXPECT_NE(r.out.find("lbTaxVer\t2009 Federal Tables (rev. April 2009)\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(tmp / "Smith.sta"));
    EXPECT_FALSE(fs::exists(tmp / "Smith.and"));
}

TEST_F(CalcCommandTest, OptionsReachTheForm)
{
    const CliRun twoX = run([&] {
        auto a = args("40,,2,,,,,");
        a.push_back("--ot2x");
        a.push_back("--fed-jan");
        return a;
    }());
    ASSERT_EQ(twoX.status, 0) << twoX.err;
    EXPECT_NE(twoX.out.find("lbOverT\t$40.00\n"), std::string::npos);
    EXPECT_NE(twoX.out.find("lbTaxVer\t2009 Federal Tables (Jan - Mar 2009)\n"), std::string::npos);
}

TEST_F(CalcCommandTest, JsonHasTheSameKeysAndTexts)
{
    auto a = args("40,,,,,,,");
    a.push_back("--json");
    const CliRun r = run(a);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.front(), '{');
    EXPECT_NE(r.out.find("\"Label13\":\"$400.00\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lbTaxVer\":\"2009 Federal Tables (rev. April 2009)\"}"), std::string::npos);
}

TEST_F(CalcCommandTest, SaveWritesTheEmployeesFiles)
{
    auto a = args("40,,,,,,,");
    a.push_back("--save");
    const CliRun r = run(a);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci"})
        EXPECT_TRUE(fs::exists(tmp / ("Smith" + std::string(ext)))) << ext;
}

// The stored tables are New York's; the Kentucky box runs its weekly preset before the
// calculation, as Open does: W = 400 - 42.12 = 357.88, row 4: 5.3849 + (357.88 - 153.85) x .058
// = 17.21864, less the 0.77 credit for two exemptions and the -2.5 adjustment: 13.95.
TEST_F(CalcCommandTest, ABuiltInStateIsComputedFromItsPreset)
{
    std::ifstream fixture(fs::path(TEST_DATA_DIR) / "state" / "NewYork.sta", std::ios::binary);
    std::string sta((std::istreambuf_iterator<char>(fixture)), std::istreambuf_iterator<char>());
    const std::string stored = "0,0,0,2,\"Single\",0,12.5,0,0,0,0\r\n";
    const std::string kentucky = "0,0,0,2,\"Single\",0,12.5,0,0,1,0\r\n";
    ASSERT_NE(sta.find(stored), std::string::npos);
    sta.replace(sta.find(stored), stored.size(), kentucky);
    write("Smith.sta", sta);

    const CliRun r = run(args("40,,,,,,,"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("lbTaxDed_3\t13.95\n"), std::string::npos) << r.out;
}

TEST_F(CalcCommandTest, MissingTableFileIsReportedOnStandardErrorWithStatusOne)
{
    fs::remove(tmp / "Federal09.dtt");
    const CliRun r = run(args("40,,,,,,,"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("   Operation Failed ! ! !\nSave and Open, Only in Folder\n"), std::string::npos);
    EXPECT_NE(r.out.find("lbTaxDed_0\t.00\n"), std::string::npos); // no tables: no withholding
}

} // namespace
} // namespace tallyrin
