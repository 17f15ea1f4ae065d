// Argument errors of the command line; its runs are played from the recorded cases of
// tests/golden/cli.
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

} // namespace
} // namespace tallyrin

namespace tallyrin {
namespace {

// A working folder others can open: every form says so once on standard error and still runs;
// --fix-permissions makes the folder and its files the owner's alone, alone or with a form.
TEST_F(CalcCommandTest, AFolderOthersCanOpenIsNamedAndFixedOnRequest)
{
    fs::permissions(tmp.path(), fs::perms(0755));
    fs::permissions(tmp / "Smith.use", fs::perms(0644));
    const CliRun noted = run(args("40,0,0,0,0,0,0,0"));
    EXPECT_EQ(noted.status, 0);
    EXPECT_NE(noted.err.find("other users of this computer can open the payroll folder"), std::string::npos) << noted.err;
    EXPECT_NE(noted.out.find("Label13\t$400.00"), std::string::npos);

    const CliRun fixed = run({"--folder", tmp.path().string(), "--fix-permissions"});
    EXPECT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_NE(fixed.out.find("yours alone"), std::string::npos);
    EXPECT_EQ(fs::status(tmp.path()).permissions(), fs::perms(0700));
    EXPECT_EQ(fs::status(tmp / "Smith.use").permissions(), fs::perms(0600));
    const CliRun quiet = run(args("40,0,0,0,0,0,0,0"));
    EXPECT_EQ(quiet.err, "");

    fs::permissions(tmp.path(), fs::perms(0750));
    std::vector<std::string> withFix = args("40,0,0,0,0,0,0,0");
    withFix.push_back("--fix-permissions");
    const CliRun both = run(withFix);
    EXPECT_EQ(both.status, 0);
    EXPECT_EQ(both.err, "");
    EXPECT_EQ(fs::status(tmp.path()).permissions(), fs::perms(0700));
    EXPECT_EQ(run({"--fix-permissions"}).status, 2);
}

} // namespace
} // namespace tallyrin

namespace tallyrin {
namespace {

// A payday whose paste cannot be saved (a folder stands where the ledger's temporary file goes):
// the row is not paid, in the totals and in the JSON, and the run says so with its status.
TEST(PayrollCommandTest, ARowWhosePasteFailsIsNotPaidInTheJson)
{
    TempFolder folder;
    fs::copy(fs::path(GOLDEN_DIR) / "cli" / "payroll-normal" / "files" / "work", folder.path(), fs::copy_options::recursive);
    for (const char* name : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / name, folder / name);
    fs::create_directories(folder / ".Smith.yrw.tmp" / "inside");
    std::ofstream(folder / "hours.csv") << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n"
                                           "Smith,40,,,,,,,,0,5\n";
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--folder", folder.path().string(), "--payroll", (folder / "hours.csv").string(), "--date",
                      "01/30/2009", "--paste", "--no-backup", "--json"},
                     out, err),
              1);
    EXPECT_NE(out.str().find("\"user\":\"Smith\",\"paid\":false"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"notPaid\":1"), std::string::npos) << out.str();
}

} // namespace
} // namespace tallyrin
