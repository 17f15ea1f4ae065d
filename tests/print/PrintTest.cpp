// The printed outputs: the text rendering of the print model, the amount in words and the
// protected amount, the check form's refresh rule, the printer offsets, the company header file,
// and golden renderings of the statement, the paycheck and the ledger print.
#include "session/Workspace.h"
#include "employee/CompanyHeader.h"
#include "screens/DialogHeaderScreen.h"
#include "employee/ProfileFiles.h"
#include "print/CheckText.h"
#include "print/PayPrints.h"
#include "print/PrintSurface.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

// Compares with tests/golden/print/<name>.txt, whose first line says what it covers;
// TALLYRIN_UPDATE_GOLDEN=1 rewrites the file instead.
void expectGolden(const std::string& name, const std::string& covers, const std::string& rendering)
{
    const fs::path path = fs::path(GOLDEN_DIR) / "print" / (name + ".txt");
    const std::string expected = "# " + covers + "\n" + rendering;
    if (std::getenv("TALLYRIN_UPDATE_GOLDEN")) {
        writeBytes(path, expected);
        return;
    }
    EXPECT_EQ(fileBytes(path), expected) << "golden " << path;
}

TEST(TextRendering, ColumnsLinesAndDocumentEnd)
{
    PrintDocument d;
    d.setFontName("Arial");
    d.setFontSize(10);
    d.printText("abc");
    d.moveToColumn(6); // pads to character 6
    d.printText("de");
    d.moveToColumn(7); // at column 8 already: next line, column 7
    d.printText("x");
    d.moveToColumn(0); // below 1 counts as 1: past it, so a new line
    d.printText("y  ");
    d.endLine();       // trailing spaces removed
    d.endLine();       // a blank line
    d.printText("é");  // one character wide
    d.moveToColumn(3);
    d.printText("z");  // no end line before the end of the document
    d.endDocument();
    EXPECT_EQ(textRendering(d), "abc  de\n      x\ny\n\né z\n\f\n");
}

// A document gives back every call as it was made, whatever its size: long texts, columns past
// 127 or below 1, fractional font sizes, and the orientation.
TEST(PrintDocumentRecord, GivesBackEveryCall)
{
    using K = PrintOp::Kind;
    const std::string longText(300, 'x');
    const std::vector<PrintOp> calls{{K::FontName, "Courier New", 0, 0}, {K::FontSize, {}, 10.5f, 0},
                                     {K::Text, longText, 0, 0},          {K::Column, {}, 0, 200},
                                     {K::Column, {}, 0, -3},             {K::Column, {}, 0, 0},
                                     {K::Text, "", 0, 0},                {K::EndLine, {}, 0, 0},
                                     {K::Landscape, {}, 0, 0},           {K::EndDocument, {}, 0, 0}};
    PrintDocument document;
    EXPECT_TRUE(document.empty());
    for (const PrintOp& op : calls) {
        switch (op.kind) {
        case K::FontName: document.setFontName(op.text); break;
        case K::FontSize: document.setFontSize(op.size); break;
        case K::Text: document.printText(op.text); break;
        case K::Column: document.moveToColumn(op.column); break;
        case K::EndLine: document.endLine(); break;
        case K::EndDocument: document.endDocument(); break;
        case K::Landscape: document.setLandscape(); break;
        }
    }
    EXPECT_EQ(document.ops(), calls);
    EXPECT_TRUE(document.landscape());
    PrintDocument copy;
    document.playOnto(copy);
    EXPECT_EQ(copy.ops(), calls);
}

TEST(CheckText, AmountInWordsAndProtectedAmount)
{
    struct Case
    {
        float amount;
        const char* words;
        const char* figures;
    };
    const Case cases[] = {
        {1234.56f, " One Thousand Two Hundred Thirty Four and 56/100", "**1234.56"},
        {5000.00f, " Five Thousand and No/100", "**5000.00"},
        {100000.00f, " One Hundred Thousand and No/100", "100000.00"},
        {20.05f, " Twenty and 05/100", "****20.05"},
        {0.75f, "Zero and 75/100", "000000.75"},
        {0.0f, "Zero and No/100", "000000.00"},
        {1000000.0f, "Dollar amount is too large", "1000000.00"},
        {999999.99f, "Dollar amount is too large", "1000000.00"}, // the single is one million
        {999999.0f, " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and No/100", "999999.00"},
        {7.0f, " Seven and No/100", "*****7.00"},
        {310.19f, " Three Hundred Ten and 19/100", "***310.19"},
        {12015.4f, " Twelve Thousand Fifteen and 40/100", "*12015.40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(amountInWords(c.amount), c.words);
        EXPECT_EQ(protectedAmount(c.amount), c.figures);
    }
}

// Every whole amount below a hundred, spelt out from the words a check writer uses, then the
// teens and tens again inside the hundreds and the thousands.
TEST(CheckText, EveryNumberBelowAHundredInWords)
{
    const char* const ones[] = {"",        "One",     "Two",     "Three",     "Four",     "Five",    "Six",
                                "Seven",   "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
                                "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
    const char* const tens[] = {"", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};
    for (int n = 1; n < 100; ++n) {
        std::string expected = n < 20 ? std::string(" ") + ones[n] : std::string(" ") + tens[n / 10];
        if (n >= 20 && n % 10)
            expected += std::string(" ") + ones[n % 10];
        SCOPED_TRACE(n);
        EXPECT_EQ(amountInWords(static_cast<float>(n)), expected + " and No/100");
    }
    struct Case
    {
        float amount;
        const char* words;
    };
    const Case cases[] = {
        {419.22f, " Four Hundred Nineteen and 22/100"},
        {119.0f, " One Hundred Nineteen and No/100"},
        {19019.0f, " Nineteen Thousand Nineteen and No/100"},
        {11011.11f, " Eleven Thousand Eleven and 11/100"},
        {90090.0f, " Ninety Thousand Ninety and No/100"},
        {100000.0f, " One Hundred Thousand and No/100"},
        {999999.99f, "Dollar amount is too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(amountInWords(c.amount), c.words);
    }
}

TEST(CheckText, PlacementFromTheOffsetBoxes)
{
    struct Case
    {
        const char* horz;
        const char* vert;
        int H, V;
    };
    const Case cases[] = {
        {"0", "0", 0, 3},    {"+5", "+5", 5, 8},  {"-5", "-3", -5, 0}, {"2.5", "1.5", 2, 4},
        {"3.5", "-5", 4, -2}, {"abc", "x", 0, 3}, {"", "", 0, 3},      {"99999", "0", 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.horz) + "/" + c.vert);
        const CheckPlacement at = checkPlacement(c.horz, c.vert);
        EXPECT_EQ(at.H, c.H);
        EXPECT_EQ(at.V, c.V);
    }
    EXPECT_EQ(checkColumn({-5, 0}, 5), 1);
    EXPECT_EQ(checkColumn({-5, 0}, 3), 1);
    EXPECT_EQ(checkColumn({30000, 0}, 5000), 32767);
}

TEST(CompanyHeaderFile, FirstUseSaveAndCommas)
{
    TempFolder folder;
    ScriptedDialogs op;
    CompanyHeader header;
    DialogHeaderScreen screen(header, op);
    EXPECT_FALSE(HeaderFileExists(folder.path()));
    screen.Form_Load(folder.path());
    EXPECT_EQ(screen.txtHeader, (std::array<std::string, 4>{"Company", "Address", "Zip Code", "ID Number"}));
    ASSERT_TRUE(screen.OKButton_Click(folder.path()));
    EXPECT_EQ(fileBytes(folder / "Header.sav"), "\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");

    screen.txtHeader = {"Acme, Inc.", "1 Main St, Suite 2", "", "12-3456789"};
    ASSERT_TRUE(screen.OKButton_Click(folder.path()));
    CompanyHeader read;
    EXPECT_EQ(LoadHeader(folder.path(), read).kind, FileOutcome::Kind::Done);
    EXPECT_EQ(read.HeaderCompany, "Acme, Inc.");
    EXPECT_EQ(read.HeaderAddress, "1 Main St, Suite 2");
    EXPECT_EQ(read.HeaderZip, "");
    // Opening again: the empty zip code line shows its placeholder; Cancel leaves the file alone.
    screen.Form_Load(folder.path());
    EXPECT_EQ(screen.txtHeader[2], "Zip Code");
    EXPECT_TRUE(op.messages().empty());
}

TEST(CompanyHeaderFile, DamagedFileIsReported)
{
    TempFolder folder;
    const auto load = [&](const std::string& content, CompanyHeader& h) {
        writeBytes(folder / "Header.sav", content);
        return LoadHeader(folder.path(), h).kind;
    };
    CompanyHeader h;
    EXPECT_EQ(load("\"A\",\"B\"\r\n", h), FileOutcome::Kind::Corrupt); // ends early
    EXPECT_EQ(h.HeaderAddress, "B");
    EXPECT_EQ(load("\"A\",\"B\",\"C\",\"D\",\"E\"\r\n", h), FileOutcome::Kind::Corrupt); // left over
    EXPECT_EQ(load("\"A\",\"B\",\"C\",\"D\"\r\n\r\n", h), FileOutcome::Kind::Done);
}

// An employee's working folder: the federal tables, Jane's profile (weekly or made bi-weekly),
// a ledger and the company header, computed and printed through the workspace.
class PrintWorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, folder / table);
        for (const char* ext : {".use", ".and", ".cfe"})
            fs::copy_file(fs::path(TEST_DATA_DIR) / "employee" / ("Jane" + std::string(ext)), folder / ("Jane" + std::string(ext)));
        writeBytes(folder / "Header.sav", "\"Acme Payroll, Inc.\",\"1 Main St\",\"Springfield, IL 62701\",\"12-3456789\"\r\n");
    }

    void open(bool biWeekly)
    {
        // Jane (bi-weekly in her fixture) made weekly or kept bi-weekly, with the ledger to match.
        EmployeeProfile p;
        OvertimeTracker t;
        StateSettings s;
        loadProfileFamily(folder.path(), "Jane", p, t, s);
        p.Weekly = !biWeekly, p.BiWeekly = biWeekly;
        ASSERT_FALSE(saveProfileFamily(folder.path(), "Jane", p, t, s).failed());
        if (biWeekly)
            fs::copy_file(fs::path(TEST_DATA_DIR) / "ytd" / "Jones.yrb", folder / "Jane.yrb");
        else
            fs::copy_file(fs::path(TEST_DATA_DIR) / "ytd" / "Smith.yrw", folder / "Jane.yrw");
        ws.startUp();
        ws.openEmployee(folder / "Jane.use");
    }

    void calculate(const std::array<std::string, 8>& entries, bool opt1x)
    {
        ws.form1.txtAmount = entries;
        ws.form1.opt1x = opt1x;
        ws.Calcu_late(false);
    }

    TempFolder folder;
    ScriptedDialogs op;
    Workspace ws{op, folder.path(), [] { return CalendarDate{2010, 1, 5}; }};
};

TEST_F(PrintWorkspaceTest, WeeklyStatementPaycheckAndLedger)
{
    open(false);
    ws.form1.setWeek("12/31/2009");
    calculate({"40", "0", "2", "3", "8", "4", "25", "10"}, true);
    const std::string statement = textRendering(ws.statementDocument());
    expectGolden("statement_weekly", "Pay statement, weekly: O.T. 1X, holiday, vacation, adjustment, tips, "
                                     "every deduction label, the weekly ledger's year to date.",
                 statement);
    // Empty amounts were made "0" by the statement; the header was read from Header.sav.
    EXPECT_EQ(ws.header.HeaderCompany, "Acme Payroll, Inc.");

    ws.frmChecks_Load();
    struct Offsets
    {
        const char* name;
        const char* horz;
        const char* vert;
    };
    for (const Offsets& o : {Offsets{"check_0_0", "0", "0"}, Offsets{"check_m5_m3", "-5", "-3"},
                             Offsets{"check_p5_p5", "+5", "+5"}}) {
        ws.printSet.cboHorz = o.horz;
        ws.printSet.cboVert = o.vert;
        expectGolden(o.name, std::string("Paycheck with its two stubs at offsets ") + o.horz + "/" + o.vert + ".",
                     textRendering(ws.checkDocument()));
    }
    expectGolden("ledger_weekly", "Ledger print, weekly: 52 rows, the totals and the SDI, SUI, tips and cafeteria sums.",
                 textRendering(ws.ledgerDocument()));
    EXPECT_TRUE(op.messages().empty());
}

TEST_F(PrintWorkspaceTest, BiWeeklyStatementAndLedger)
{
    open(true);
    ws.form1.setWeek("01/08/2010");
    calculate({"80", "10", "4", "2", "0", "8", "-15.5", "6"}, false);
    expectGolden("statement_biweekly", "Pay statement, bi-weekly: O.T. 2X, rate 2 hours, a negative adjustment, tips, "
                                       "every deduction label, the bi-weekly ledger's year to date.",
                 textRendering(ws.statementDocument()));
    expectGolden("ledger_biweekly", "Ledger print, bi-weekly: 26 rows.", textRendering(ws.ledgerDocument()));
    EXPECT_TRUE(op.messages().empty());
}

TEST_F(PrintWorkspaceTest, CheckFormRefreshRule)
{
    open(false);
    calculate({"40", "", "", "", "", "", "", ""}, true);
    ws.frmChecks_Load();
    const std::string words = ws.checks.words();
    EXPECT_EQ(ws.checks.txtPayTo, "Jane Doe********");
    EXPECT_EQ(ws.checks.txtCheckDate, ws.form1.txtWeek);

    ws.checks.txtMemo = "Week 53";
    ws.checks.txtCheckCompany = "Acme";
    ws.checks.txtCheckDate = "01/01/2010";
    ws.checks.txtPayTo = "J. Doe";
    ws.checks.txtDollars = "One Million";
    ws.frmChecks_Refresh();
    EXPECT_EQ(ws.checks.txtMemo, "Week 53");
    EXPECT_EQ(ws.checks.txtCheckCompany, "Acme");
    EXPECT_EQ(ws.checks.txtCheckDate, "01/01/2010");
    EXPECT_EQ(ws.checks.txtPayTo, "Jane Doe********");
    EXPECT_EQ(ws.checks.txtDollars, words);

    // Edits after the refresh print as edited, except the words.
    ws.checks.txtPayTo = "J. Doe";
    ws.checks.txtDollars = "One Million";
    const std::string check = textRendering(ws.checkDocument());
    EXPECT_NE(check.find("J. Doe"), std::string::npos);
    EXPECT_NE(check.find("Week 53"), std::string::npos);
    EXPECT_EQ(check.find("One Million"), std::string::npos);
    EXPECT_NE(check.find("*****" + words + "*****"), std::string::npos);
}

TEST_F(PrintWorkspaceTest, NegativeNetPayBecomesZero)
{
    open(false);
    calculate({"1", "", "", "", "", "", "", ""}, true); // the deductions exceed the pay
    ASSERT_LT(ws.result.NetPay, 0);
    ws.frmChecks_Load();
    EXPECT_EQ(ws.result.NetPay, 0);
    EXPECT_EQ(ws.checks.txtCheckAmt, "000000.00");
    EXPECT_EQ(ws.checks.txtDollars, "Zero and No/100");
}

TEST_F(PrintWorkspaceTest, OffsetsStoredWithTheProfile)
{
    open(false);
    ws.dlgPrintSet_Load(); // Jane's stored offsets, shown as whole numbers without a plus sign
    EXPECT_EQ(ws.printSet.cboHorz, "2");
    EXPECT_EQ(ws.printSet.cboVert, "-2");
    ws.printSet.cboHorz = "+3";
    ws.printSet.cboVert = "1.5";
    ASSERT_TRUE(ws.dlgPrintSet_cmdApply());
    ws.profile.HorzOffset = ws.profile.VertOffset = 0; // reopening reads the profile's file
    ws.dlgPrintSet_Load();
    EXPECT_EQ(ws.printSet.cboHorz, "3");
    EXPECT_EQ(ws.printSet.cboVert, "2");
    EXPECT_EQ(ws.profile.VertOffset, 1.5f);
    ws.printSet.cboHorz = "-4"; // Cancel: nothing stored
    ws.dlgPrintSet_Load();
    EXPECT_EQ(ws.printSet.cboHorz, "3");
}

} // namespace
} // namespace tallyrin
