#include "engine/FederalTableFile.h"

#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tallyrin {
namespace {

std::string shippedText(const char* name)
{
    std::ifstream in(std::filesystem::path(SHIPPED_DATA_DIR) / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

bool bracketsAndAllowancesEmpty(const FederalTables& t)
{
    for (const FederalBracketTable* table : {&t.BiWeeklySingle, &t.WeeklySingle, &t.BiWeeklyMarried, &t.WeeklyMarried})
        for (const FederalBracketRow& row : *table)
            if (row.Over != 0 || row.NotOver != 0 || row.ExcessOver != 0 || row.Rate != 0 || row.Base != 0)
                return false;
    for (size_t k = 0; k < 10; ++k)
        if (t.SingleAllowance[k] != 0 || t.MarriedAllowance[k] != 0)
            return false;
    return true;
}

// The outcome of loading and the tables it left.
struct Loaded
{
    FileOutcome outcome;
    FederalTables tables;
};
Loaded load(const std::filesystem::path& folder, bool january, std::string_view folderText)
{
    Loaded l;
    l.outcome = loadFederalTables(folder, january, folderText, l.tables);
    return l;
}

TEST(FederalTableFileTest, ReadsTheShippedTablesInFileOrder)
{
    const Loaded l = load(SHIPPED_DATA_DIR, false, "folder");
    ASSERT_EQ(l.outcome.kind, FileOutcome::Kind::Done);
    EXPECT_TRUE(l.outcome.lines.empty());
    const FederalTables& t = l.tables;
    EXPECT_EQ(t.Version, "2009 Federal Tables (rev. April 2009)");

    // First row of each table: the caption items between tables must be skipped, not read.
    EXPECT_FLOAT_EQ(t.BiWeeklySingle[0].Over, 276);
    EXPECT_FLOAT_EQ(t.WeeklySingle[0].Over, 138);
    EXPECT_FLOAT_EQ(t.BiWeeklyMarried[0].Over, 606);
    EXPECT_FLOAT_EQ(t.WeeklyMarried[0].Over, 303);
    EXPECT_EQ(t.WeeklySingle[0].Base, 0);
    // A middle row holds five items, the last row four (no upper bound).
    EXPECT_FLOAT_EQ(t.WeeklyMarried[2].NotOver, 2272);
    EXPECT_FLOAT_EQ(t.WeeklyMarried[2].ExcessOver, 1455);
    EXPECT_FLOAT_EQ(t.WeeklyMarried[2].Rate, 0.25f);
    EXPECT_FLOAT_EQ(t.WeeklyMarried[2].Base, 164.45f);
    EXPECT_FLOAT_EQ(t.BiWeeklySingle[5].Over, 14423);
    EXPECT_EQ(t.BiWeeklySingle[5].NotOver, 0);
    EXPECT_FLOAT_EQ(t.BiWeeklySingle[5].ExcessOver, 14423);
    EXPECT_FLOAT_EQ(t.BiWeeklySingle[5].Rate, 0.35f);
    EXPECT_FLOAT_EQ(t.BiWeeklySingle[5].Base, 4162.17f);
    EXPECT_FLOAT_EQ(t.SingleAllowance[0], 0);
    EXPECT_FLOAT_EQ(t.SingleAllowance[9], 631.71f);
    EXPECT_FLOAT_EQ(t.MarriedAllowance[1], 70.19f);
}

TEST(FederalTableFileTest, JanuaryCheckboxChoosesTheJanuaryFile)
{
    const Loaded l = load(SHIPPED_DATA_DIR, true, "folder");
    ASSERT_EQ(l.outcome.kind, FileOutcome::Kind::Done);
    EXPECT_EQ(l.tables.Version, "2009 Federal Tables (Jan - Mar 2009)");
    EXPECT_FLOAT_EQ(l.tables.WeeklySingle[0].Over, 51);
}

TEST(FederalTableFileTest, QuotedVersionKeepsItsCommas)
{
    TempFolder folder;
    std::string text = shippedText("Federal09.dtt");
    const std::string version = "\"2009 Federal Tables (rev. April 2009)\"";
    text.replace(text.find(version), version.size(), "\"2009 Tables, rev. 2, April 1, 2009\"");
    writeFile(folder / "Federal09.dtt", text);

    const Loaded l = load(folder.path(), false, "folder");
    ASSERT_EQ(l.outcome.kind, FileOutcome::Kind::Done);
    EXPECT_EQ(l.tables.Version, "2009 Tables, rev. 2, April 1, 2009");
}

TEST(FederalTableFileTest, MissingJanuaryFileWarnsAndReadsNothing)
{
    TempFolder folder;
    writeFile(folder / "Federal09.dtt", shippedText("Federal09.dtt"));

    FederalTables tables;
    tables.Version = "kept";
    const FileOutcome outcome = loadFederalTables(folder.path(), true, "/home/ann/Tallyrin2009", tables);
    EXPECT_EQ(outcome.kind, FileOutcome::Kind::Missing);
    EXPECT_EQ(outcome.message(), "   Operation Failed ! ! !\r\nSave and Open, Only in Folder\r\n/home/ann/Tallyrin2009\r\n"
                              "Contact Quenvoro SOFTWARE\r\nsupport@quenvoro.example");
    EXPECT_TRUE(bracketsAndAllowancesEmpty(tables));
    EXPECT_EQ(tables.Version, "kept");
}

TEST(FederalTableFileTest, DamagedFileGivesEmptyTablesAndSaysWhere)
{
    const std::string shipped = shippedText("Federal09.dtt");
    struct Case
    {
        std::string content;
        std::string where;
        const char* why;
    };
    std::string nonNumber = shipped;
    nonNumber.replace(nonNumber.find("400,1392"), 3, "4x0"); // item 5, line 2
    const Case cases[] = {
        {shipped.substr(0, shipped.find("\"Weekly Married\"")), "item 116 on line 28", "ends before a caption"},
        {shipped.substr(0, shipped.rfind("\"2009")), "item 137 on line 31", "ends before the version"},
        {nonNumber, "item 5 on line 2", "a number item that is not a number"},
        {"", "item 1 on line 1", "empty file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder folder;
        writeFile(folder / "Federal09.dtt", c.content);
        FederalTables tables = load(SHIPPED_DATA_DIR, false, "folder").tables; // what a damaged file replaces
        const FileOutcome outcome = loadFederalTables(folder.path(), false, "folder", tables);
        EXPECT_EQ(outcome.kind, FileOutcome::Kind::Corrupt);
        EXPECT_TRUE(bracketsAndAllowancesEmpty(tables));
        EXPECT_EQ(tables.Version, "");
        ASSERT_EQ(outcome.lines.size(), 4u);
        EXPECT_EQ(outcome.lines[1], "Federal09.dtt");
        EXPECT_NE(outcome.lines[2].find(c.where), std::string::npos) << outcome.lines[2];
    }
}

TEST(FederalTableFileTest, ClearZeroesBracketsAndAllowances)
{
    FederalTables tables = load(SHIPPED_DATA_DIR, false, "folder").tables;
    ASSERT_FALSE(bracketsAndAllowancesEmpty(tables));
    clearFederalTables(tables);
    EXPECT_TRUE(bracketsAndAllowancesEmpty(tables));
}

} // namespace
} // namespace tallyrin
