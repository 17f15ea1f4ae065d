// The command line's prints: text renderings for plain names, the PDF writer for ".pdf" names.
#include "cli/CalcCommand.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

class CalcCommandPrintTest : public ::testing::Test
{
protected:
    CalcCommandPrintTest()
    {
        for (const char* name : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / name, tmp / name);
        for (const char* ext : {".use", ".and", ".cfe"})
            fs::copy_file(fs::path(TEST_DATA_DIR) / "employee" / ("Jane" + std::string(ext)),
                          tmp / ("Jane" + std::string(ext)));
        fs::copy_file(fs::path(TEST_DATA_DIR) / "ytd" / "Jones.yrb", tmp / "Jane.yrb");
    }

    int run(std::vector<std::string> extra, const PdfWriter& pdf = {})
    {
        std::vector<std::string> args{"--folder", tmp.path().string(), "--user", "Jane", "--entries",
                                      "80,0,0,0,0,0,0,0"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out;
        err.str({});
        return runCli(args, out, err, pdf);
    }

    TempFolder tmp;
    std::ostringstream err;
};

TEST_F(CalcCommandPrintTest, TextRenderingsOfTheThreePrints)
{
    const fs::path statement = tmp / "s.txt", check = tmp / "c.txt", ledger = tmp / "l.txt";
    ASSERT_EQ(run({"--statement", statement.string(), "--check", check.string(), "--ledger-print", ledger.string()}),
              0)
        << err.str();
    const std::string s = fileBytes(statement), c = fileBytes(check), l = fileBytes(ledger);
    EXPECT_NE(s.find("    Regular1 Earning         12.50               80.00          1000.00\n"), std::string::npos);
    // The check at Jane's stored offsets 2 and -1.5, shown as "2" and "-2": H 2, V 1 (two blank
    // lines), the date at column 109.
    EXPECT_EQ(c.substr(0, 3), "\n\n ");
    EXPECT_EQ(c.find("/"), 2 + 108 + 2);
    EXPECT_NE(l.find("    01/09/2009   92.4"), std::string::npos);
    for (const std::string* print : {&s, &c, &l})
        EXPECT_EQ(print->substr(print->size() - 2), "\f\n");
    // Nothing of the employee was written.
    EXPECT_FALSE(fs::exists(tmp / "Jane.sta"));
}

TEST_F(CalcCommandPrintTest, PdfNamesGoToThePdfWriter)
{
    std::vector<std::string> written;
    // The writer paints a temporary file beside the target, which then takes its place.
    const PdfWriter pdf = [&](const PrintDocument& d, const std::string& path, std::string&) {
        written.push_back(std::filesystem::path(path).filename().string());
        std::ofstream(path, std::ios::binary) << "%PDF-1.4\n%%EOF\n";
        return d.landscape() == (path.find("ledger") != std::string::npos);
    };
    EXPECT_EQ(run({"--statement", (tmp / "s.PDF").string(), "--ledger-print", (tmp / "ledger.pdf").string()}, pdf), 0);
    EXPECT_EQ(written, (std::vector<std::string>{".s.PDF.tmp", ".ledger.pdf.tmp"}));
    EXPECT_EQ(fileBytes(tmp / "ledger.pdf"), "%PDF-1.4\n%%EOF\n");
    EXPECT_FALSE(std::filesystem::exists(tmp / ".ledger.pdf.tmp"));
    // Without a writer a PDF cannot be made: status 1 and the reason.
    EXPECT_EQ(run({"--check", (tmp / "c.pdf").string()}), 1);
    EXPECT_NE(err.str().find("c.pdf could not be written"), std::string::npos);
    EXPECT_EQ(run({"--check"}), 2);
}

} // namespace
} // namespace tallyrin
