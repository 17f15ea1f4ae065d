#include "app/StaffFolder.h"
#include "records/EmployeeProfile.h"
#include "print/PrintSurface.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "yearend/Efw2File.h"
#include "yearend/W2Forms.h"
#include "yearend/W2Prints.h"

#include <gtest/gtest.h>

using namespace tallyrin;
namespace fs = std::filesystem;

TEST(W2NameTest, SplitsNamesByTheRuleOrSaysItCannot)
{
    struct Case
    {
        const char* name;
        const char *first = nullptr, *middle = nullptr, *last = nullptr, *suffix = nullptr; // no first: cannot be split
    } cases[] = {
        {"Sam Poe, Jr.", "SAM", "", "POE", "JR"},
        {"Sam Poe Jr", "SAM", "", "POE", "JR"},
        {"Mary Ann Lee", "MARY", "ANN", "LEE", ""},
        {"  Poe, Sam A.  ", "SAM", "A", "POE", ""},
        {"Poe, Sam, III", "SAM", "", "POE", "III"},
        {"Jo O'Neil-Hart", "JO", "", "O'NEIL-HART", ""},
        {"John V", "JOHN", "", "V", ""}, // two words: the last is the name, not a suffix
        {"Cher", nullptr},
        {"", nullptr},
        {"Employee's Name", nullptr}, // the profile's unfilled name
        {"R2 D2", nullptr},
        {"Ann Maximilianabcdefghijklmnop", nullptr}, // a last name above 20 letters
        {"Poe, , Sam", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto split = splitPersonName(c.name);
        if (!c.first) {
            EXPECT_FALSE(split);
            continue;
        }
        ASSERT_TRUE(split);
        EXPECT_EQ(split->first, c.first);
        EXPECT_EQ(split->middle, c.middle);
        EXPECT_EQ(split->last, c.last);
        EXPECT_EQ(split->suffix, c.suffix);
    }
}

TEST(W2NameTest, TheKeptFileOverridesTheProfileAndIsChecked)
{
    EmployeeProfile p;
    p.EmpName = "Cher";
    p.EmpAddress = "12 Elm St";
    p.EmpCityStateZip = "Springfield IL 62701-1234";
    std::vector<std::string> problems, notes;
    W2Name read = w2NameOf(p, std::nullopt, problems, notes);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("\"Cher\" cannot be split"), std::string::npos);
    EXPECT_EQ(read.Street, "12 ELM ST");
    EXPECT_EQ(read.City, "SPRINGFIELD");
    EXPECT_EQ(read.Zip, "62701-1234");

    problems.clear();
    W2Name kept{"cher", "", "sarkisian", "", "1 Main", "Burbank", "CA", "9150"};
    read = w2NameOf(p, kept, problems, notes);
    EXPECT_EQ(read.Last, "SARKISIAN");
    ASSERT_EQ(problems.size(), 1u); // the ZIP of four digits
    EXPECT_NE(problems[0].find("ZIP code \"9150\""), std::string::npos);

    p.EmpName = "Sam Poe";
    p.EmpCityStateZip = "City, State Zip Code";
    problems.clear();
    read = w2NameOf(p, std::nullopt, problems, notes);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(read.Street, ""); // an unread address is left blank and noted
    EXPECT_FALSE(notes.empty());
}

namespace {

YearEnd smallYear()
{
    YearEnd y;
    y.employer = {"123456789", "Acme Tool Co", "1 Main St", "Springfield", "IL", "62701-0001", "IL-445566",
                  "ACME1234",  "Pat Clerk",    "(217) 555-0100", "pat@acme.example", "", "", "", "R"};
    W2Form a;
    a.user = "Poe";
    a.name = {"SAM", "A", "POE", "JR", "12 ELM ST", "SPRINGFIELD", "IL", "62702"};
    a.ssn = "123456789";
    a.figures.cents[FederalWages] = 3000000, a.figures.cents[FederalTax] = 412345;
    a.figures.cents[SsWages] = 3100000, a.figures.cents[SsTax] = 192200, a.figures.cents[SsTips] = 12500;
    a.figures.cents[MedicareWages] = 3112500, a.figures.cents[MedicareTax] = 45131, a.figures.cents[KPlan] = 100000;
    a.figures.cents[StateWages] = 3000000, a.figures.cents[StateTax] = 90000;
    a.figures.cents[LocalWages] = 3000000, a.figures.cents[LocalTax] = 30000;
    a.retirementPlan = true, a.state = "IL", a.locality = "SPRINGFIELD";
    W2Form b;
    b.user = "Lee";
    b.name = {"ANN", "", "LEE", "", "", "", "", ""};
    b.ssn = "987654321";
    b.figures.cents[FederalWages] = 100, b.figures.cents[SsWages] = 100;
    y.forms = {a, b};
    for (const W2Form& f : y.forms)
        for (size_t k = 0; k < kReportKeys.size(); ++k)
            y.totals.cents[k] += f.figures.cents[k];
    return y;
}

} // namespace

TEST(Efw2FileTest, RecordsHoldEveryFieldAtItsPlace)
{
    const std::string file = efw2File(smallYear());
    std::vector<std::string> records;
    for (size_t at = 0; at < file.size(); at += kEfw2RecordLength + 2) {
        records.push_back(file.substr(at, kEfw2RecordLength));
        EXPECT_EQ(file.substr(at + kEfw2RecordLength, 2), "\r\n");
    }
    ASSERT_EQ(file.size() % (kEfw2RecordLength + 2), 0u);
    ASSERT_EQ(records.size(), 7u); // RA RE RW RS RW RT RF: Lee withheld no state tax
    struct Field
    {
        size_t record, position;
        std::string text;
    } fields[] = {
        {0, 1, "RA123456789ACME1234"}, {0, 29, "0"}, {0, 36, "98ACME TOOL CO "}, {0, 117, "1 MAIN ST "},
        {0, 139, "SPRINGFIELD "}, {0, 161, "IL627010001"}, {0, 217, "ACME TOOL CO "}, {0, 396, "PAT CLERK "},
        {0, 423, "2175550100     "}, {0, 446, "PAT@ACME.EXAMPLE "}, {0, 499, "1L "},
        {1, 1, "RE2009 123456789"}, {1, 26, "0"}, {1, 40, "ACME TOOL CO "}, {1, 119, "1 MAIN ST"}, {1, 219, "R 0 "},
        {2, 1, "RW123456789SAM            A              POE                 JR  "}, {2, 88, "12 ELM ST "},
        {2, 132, "IL62702    "},
        {2, 188, "00003000000"}, {2, 199, "00000412345"}, {2, 210, "00003100000"}, {2, 221, "00000192200"},
        {2, 232, "00003112500"}, {2, 243, "00000045131"}, {2, 254, "00000012500"}, {2, 265, "00000000000"},
        {2, 287, "00000100000"}, {2, 331, "00000000000 "}, {2, 353, "0"}, {2, 486, "0 10 "},
        {3, 1, "RS17     123456789SAM"}, {3, 248, "IL-445566 "}, {3, 274, "17"}, {3, 276, "00003000000"},
        {3, 287, "00000090000"}, {3, 298, "          C"}, {3, 309, "00003000000"}, {3, 320, "00000030000 "},
        {4, 1, "RW987654321ANN                           LEE   "}, {4, 188, "00000000100"}, {4, 486, "0 00"},
        {5, 1, "RT0000002"}, {5, 10, "000000003000100"}, {5, 25, "000000000412345"}, {5, 40, "000000003100100"},
        {5, 100, "000000000012500"}, {5, 145, "000000000100000"}, {5, 220, "               0"},
        {6, 1, "RF     000000002 "},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(std::to_string(f.record) + " at " + std::to_string(f.position));
        EXPECT_EQ(records[f.record].substr(f.position - 1, f.text.size()), f.text);
    }
    EXPECT_EQ(records[6].substr(16), std::string(kEfw2RecordLength - 16, ' '));
}

TEST(YearEndTest, EveryProblemIsNamedAtOnce)
{
    // The ledgers of three saved employees whose profiles were never filled in.
    TempFolder folder;
    fs::copy(fs::path(GOLDEN_DIR) / "cli" / "report-year-json" / "files" / "work", folder.path(),
             fs::copy_options::recursive);
    EmployerFacts employer;
    YearEnd y = yearEndOf(readStaff(folder.path()), employer, FileOutcome::missing(folder / "Employer.sav"));
    ASSERT_FALSE(y.problems.empty());
    EXPECT_NE(y.problems[0].find("no employer's facts"), std::string::npos);
    // State tax with no state to name is told, not refused: box 15 stays blank.
    EXPECT_TRUE(std::any_of(y.warnings.begin(), y.warnings.end(),
                            [](const std::string& w) { return w.find("box 15 stays blank") != std::string::npos; }));
    for (const char* user : {"Smith", "Bailey", "Lee"}) {
        const auto named = [&](const char* words) {
            return std::any_of(y.problems.begin(), y.problems.end(), [&](const std::string& p) {
                return p.rfind(std::string(user) + ": ", 0) == 0 && p.find(words) != std::string::npos;
            });
        };
        EXPECT_TRUE(named("social security number \"Soc Sec #\"")) << user;
        EXPECT_TRUE(named("cannot be split")) << user;
    }

    // Given a name each, the employer's facts and a state, only the numbers are left.
    for (const char* user : {"Smith", "Bailey", "Lee"})
        writeBytes(folder / (std::string(user) + ".w2n"), "\"ANN\",\"\",\"" + std::string(user) +
                                                                "\",\"\"\r\n\"\",\"\",\"\",\"\"\r\n");
    employer = EmployerFacts{"12-3456789", "Acme", "1 Main", "Springfield", "IL", "62701", "", "", "", "", "", "", "",
                             "", "R"};
    y = yearEndOf(readStaff(folder.path()), employer, FileOutcome::done());
    for (const std::string& p : y.problems)
        EXPECT_NE(p.find("social security number"), std::string::npos) << p;
    EXPECT_EQ(y.filingProblems.size(), 1u); // the User ID
    EXPECT_EQ(y.forms.size() + y.selfEmployed.size(), 3u);
    for (const W2Form& f : y.forms) {
        EXPECT_EQ(f.name.First, "ANN");
        if (f.box(StateTax) != 0) {
            EXPECT_EQ(f.state.size(), 2u); // a built-in state's, or else the employer's
        }
    }
    int64_t box1 = 0;
    for (const W2Form& f : y.forms)
        box1 += f.box(FederalWages);
    EXPECT_EQ(y.totals.cents[FederalWages], box1);
}

TEST(W2PrintsTest, OnePagePerEmployeeThenTheW3)
{
    PrintDocument document;
    PrintW2s(document, smallYear());
    int pages = 0, ssn = 0;
    for (const PrintOp& op : document.ops()) {
        pages += op.kind == PrintOp::Kind::EndDocument;
        ssn += op.kind == PrintOp::Kind::Text && op.text.find("123-45-6789") != std::string::npos;
    }
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(ssn, 3); // Copy B, Copy C and Copy 2

    // The number as the profile writes it is the number the employee finds on the page.
    YearEnd typed = smallYear();
    typed.forms[0].ssnShown = "123456789";
    PrintDocument again;
    PrintW2s(again, typed);
    int shown = 0;
    for (const PrintOp& op : again.ops())
        shown += op.kind == PrintOp::Kind::Text && op.text.find("123456789") != std::string::npos;
    EXPECT_EQ(shown, 3);
}
