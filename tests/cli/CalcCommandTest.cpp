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
