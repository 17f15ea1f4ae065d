#include "cli/Options.h"

#include <gtest/gtest.h>

using namespace tallyrin;

TEST(OptionsTest, EveryFormReadsItsOwnOptionsAndNamesWhatItCannot)
{
    struct Case
    {
        CliForm form;
        std::vector<std::string> args;
        const char* problem; // "" when read
    } cases[] = {
        {CliForm::Calc, {"--folder", "w", "--user", "Smith", "--entries", "-8,,,,,,,", "--ot2x"}, ""},
        {CliForm::Calc, {"--folder", "w", "--user", "", "--entries", "--json"}, ""}, // a value is the next argument
        {CliForm::Calc, {"--folder", "w", "--user"}, "--user needs a value"},
        {CliForm::Calc, {"--folder", "w", "--list"}, "unknown argument --list"},
        {CliForm::Calc, {"--folder", "w", "stray"}, "unknown argument stray"},
        {CliForm::Calc, {"--folder", "w", "--entries", "1"}, "--user is required"},
        {CliForm::List, {"--list", "--json"}, "--folder is required"},
        {CliForm::Calc, {"--folder", "", "--entries", "1"}, "--folder is required"}, // before the missing user
        {CliForm::Payroll, {"--folder", "w", "--payroll", "h.csv", "--save"}, "unknown argument --save"},
        {CliForm::Report, {"--folder", "w", "--report", "q1", "--out", "r.pdf"}, ""},
        {CliForm::YearEnd, {"--folder", "w", "--w2", "--out", "w2.pdf"}, ""},
        {CliForm::Backup, {"--folder", "w", "--restore", "b.tar.xz", "--yes", "--exact"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliReading read = readOptions(c.args, c.form);
        EXPECT_EQ(read.problem, c.problem);
        EXPECT_EQ(read.options.has_value(), *c.problem == '\0');
    }
    const CliReading calc = readOptions({"--folder", "a", "--user", "", "--entries", "--json", "--folder", "b"},
                                        CliForm::Calc);
    ASSERT_TRUE(calc.options);
    EXPECT_EQ(calc.options->folder, "b"); // given twice, the last counts
    EXPECT_EQ(calc.options->user, "");
    EXPECT_EQ(calc.options->entries, "--json");
    EXPECT_FALSE(calc.options->json);
    EXPECT_EQ(readOptions({"--folder", "w", "--payroll", "h", "--save"}, CliForm::Payroll).foreign, "--save");
    EXPECT_TRUE(cliOptionOf("--save", CliForm::Calc));
    EXPECT_FALSE(cliOptionOf("--save", CliForm::Payroll));
}

TEST(OptionsTest, UsageAndHelpComeFromTheTable)
{
    EXPECT_EQ(cliUsage(CliForm::List), "usage: tallyrin-calc --folder DIR --list [--json]\n");
    EXPECT_EQ(cliUsage(CliForm::Calc),
              "usage: tallyrin-calc --folder DIR --user NAME --entries A0,A1,A2,A3,A4,A5,A6,A7 [--ot2x] [--fed-jan] "
              "[--json] [--save] [--statement FILE] [--check FILE] [--ledger-print FILE] [--ledger-xlsx FILE]\n");
    const std::string help = cliHelp();
    for (const char* option : {"--folder DIR", "--entries A0,A1", "--payroll HOURS.csv", "--w2", "--efw2 FILE",
                               "--restore FILE.tar.xz", "--no-backup", "--ledger-xlsx FILE", "--fix-permissions"})
        EXPECT_NE(help.find(std::string("\n  ") + option), std::string::npos) << option;
    for (size_t at = 0, end; (end = help.find('\n', at)) != std::string::npos; at = end + 1)
        EXPECT_LE(end - at, 100u) << help.substr(at, end - at);
}
