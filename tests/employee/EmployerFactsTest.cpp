// The employer's filing facts: the file's four records, facts from the company header, the rules
// a filing holds them to, and a damaged file kept aside before a save replaces it.
#include "employee/EmployerFacts.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

TEST(EmployerFactsTest, TheFileHoldsFourRecordsAndReadsBack)
{
    TempFolder folder;
    EmployerFacts facts{"12-3456789", "Acme, Inc.", "1 Main St", "Springfield", "IL", "62701",
                        "IL-998", "AB12CD34", "Ann Poe", "217-555-0100", "ann@acme.example",
                        "1123456789", "071000013", "First Bank", "R"};
    EXPECT_EQ(writeEmployerFile(facts), "\"12-3456789\",\"Acme, Inc.\",\"1 Main St\",\"Springfield\",\"IL\",\"62701\"\r\n"
                                        "\"IL-998\",\"AB12CD34\",\"Ann Poe\",\"217-555-0100\",\"ann@acme.example\"\r\n"
                                        "\"1123456789\",\"071000013\",\"First Bank\"\r\n"
                                        "\"R\"\r\n");
    const auto saved = SaveEmployer(folder.path(), facts, false);
    ASSERT_EQ(saved.size(), 1u);
    ASSERT_FALSE(saved[0].failed());
    EXPECT_EQ(std::filesystem::status(folder / "Employer.sav").permissions(), std::filesystem::perms(0600));
    EmployerFacts read;
    EXPECT_EQ(LoadEmployer(folder.path(), read).kind, FileOutcome::Kind::Done);
    EXPECT_EQ(read, facts);

    // A damaged file: reported, and kept beside itself before the next save replaces it.
    writeBytes(folder / "Employer.sav", "\"12-3456789\",\"Acme\r\n");
    EmployerFacts partly;
    EXPECT_EQ(LoadEmployer(folder.path(), partly).kind, FileOutcome::Kind::Corrupt);
    const auto again = SaveEmployer(folder.path(), facts, true);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].kind, FileOutcome::Kind::KeptAside);
    EXPECT_EQ(fileBytes(folder / "Employer.sav.damaged"), "\"12-3456789\",\"Acme\r\n");
    EXPECT_EQ(fileBytes(folder / "Employer.sav"), writeEmployerFile(facts));
}

TEST(EmployerFactsTest, NewFactsComeFromTheCompanyHeader)
{
    const EmployerFacts f = employerFromHeader(" Acme Payroll, Inc. ", "1 Main St", "Springfield, IL 62701", "12-3456789");
    EXPECT_EQ(f.Name, "Acme Payroll, Inc.");
    EXPECT_EQ(f.Street, "1 Main St");
    EXPECT_EQ(f.City, "Springfield");
    EXPECT_EQ(f.State, "IL");
    EXPECT_EQ(f.Zip, "62701");
    EXPECT_EQ(f.Ein, "123456789");
    EXPECT_EQ(f.Kind, "R");
    // A header that does not split leaves those facts empty for the clerk to fill.
    const EmployerFacts g = employerFromHeader("Acme", "1 Main St", "somewhere", "Tax ID 12");
    EXPECT_EQ(g.City, "");
    EXPECT_EQ(g.Ein, "");
}

TEST(EmployerFactsTest, LastLinesOfAnAddress)
{
    struct Case
    {
        const char* line;
        const char *city, *state, *zip; // nullptr when the line does not split
    };
    const Case cases[] = {
        {"Springfield, IL 62701", "Springfield", "IL", "62701"},
        {"Salt Lake City UT 84101-1234", "Salt Lake City", "UT", "84101-1234"},
        {"  New York,  ny  10001 ", "New York", "NY", "10001"},
        {"Springfield, IL, 62701", "Springfield", "IL", "62701"},
        {"Springfield, Illinois 62701", nullptr, nullptr, nullptr},
        {"Springfield, IL 6270", nullptr, nullptr, nullptr},
        {"IL 62701", nullptr, nullptr, nullptr},
        {"Springfield, IL 62701-12", nullptr, nullptr, nullptr},
        {"", nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const auto read = readCityStateZip(c.line);
        ASSERT_EQ(read.has_value(), c.city != nullptr);
        if (read) {
            EXPECT_EQ(read->city, c.city);
            EXPECT_EQ(read->state, c.state);
            EXPECT_EQ(read->zip, c.zip);
        }
    }
}

TEST(EmployerFactsTest, RoutingNumbersAndTheOtherRules)
{
    for (const char* good : {"071000013", "021000021", "011000015"})
        EXPECT_TRUE(routingNumberValid(good)) << good;
    for (const char* bad : {"071000014", "07100001", "0710000130", "07100001X", ""})
        EXPECT_FALSE(routingNumberValid(bad)) << bad;

    EmployerFacts empty;
    EXPECT_TRUE(employerProblems(empty).empty()); // empty fields are not faults of their own
    EmployerFacts wrong;
    wrong.Ein = "12-34567";
    wrong.State = "Ill";
    wrong.Zip = "627";
    wrong.UserId = "ABC";
    wrong.BankRouting = "071000014";
    wrong.Kind = "X";
    const auto problems = employerProblems(wrong);
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_EQ(problems[0], "The EIN \"12-34567\" is not nine digits (NN-NNNNNNN).");
    EXPECT_NE(problems[4].find("071000014"), std::string::npos);
}

} // namespace
} // namespace tallyrin
