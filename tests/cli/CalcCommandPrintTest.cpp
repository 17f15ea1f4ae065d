// The command line's prints: text renderings for plain names, the PDF writer for ".pdf" names.
#include "cli/CalcCommand.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include "text/FileStore.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
    // Each twin has a name of its own: ".<name>.<16 hex digits>.tmp".
    ASSERT_EQ(written.size(), 2u);
    EXPECT_TRUE(written[0].starts_with(".s.PDF.") && written[0].ends_with(".tmp") && written[0].size() == 27) << written[0];
    EXPECT_TRUE(written[1].starts_with(".ledger.pdf.") && written[1].ends_with(".tmp")) << written[1];
    EXPECT_EQ(fileBytes(tmp / "ledger.pdf"), "%PDF-1.4\n%%EOF\n");
    EXPECT_FALSE(std::filesystem::exists(tmp / written[1]));
    // Without a writer a PDF cannot be made: status 1 and the reason.
    EXPECT_EQ(run({"--check", (tmp / "c.pdf").string()}), 1);
    EXPECT_NE(err.str().find("c.pdf could not be written"), std::string::npos);
    EXPECT_EQ(run({"--check"}), 2);
}

// A payday's combined PDFs are painted page by page as the rows are paid, into the twin beside
// the file, and come out as the whole-document path writes them. Nobody paid leaves no file; a
// refused target is reported and the rows are still paid; a print that cannot be ended keeps
// last week's file.
class TextPageStream : public PageStream
{
public:
    TextPageStream(std::string path, std::vector<size_t>& pageSizes, bool endFails)
        : m_path(std::move(path)), m_pageSizes(pageSizes), m_endFails(endFails)
    {
        std::ofstream(m_path, std::ios::binary); // begun at once, as a PDF file is
    }
    void setFontName(const std::string& n) override { m_pages.setFontName(n); }
    void setFontSize(float p) override { m_pages.setFontSize(p); }
    void printText(const std::string& t) override { m_pages.printText(t); }
    void moveToColumn(int c) override { m_pages.moveToColumn(c); }
    void endLine() override { m_pages.endLine(); }
    void setLandscape() override { m_pages.setLandscape(); }
    void endDocument() override
    {
        m_pages.endDocument();
        std::ofstream(m_path, std::ios::binary) << textRendering(m_pages); // each page goes out at once
        m_pageSizes.push_back(m_pages.ops().size());
    }
    bool finish(std::string& error) override
    {
        if (m_endFails)
            return error = "the PDF file could not be created", false;
        std::ofstream(m_path, std::ios::binary | std::ios::app) << "%%EOF\n";
        return true;
    }
    bool empty() const override { return m_pages.empty(); }

private:
    std::string m_path;
    PrintDocument m_pages;
    std::vector<size_t>& m_pageSizes;
    bool m_endFails;
};

TEST_F(CalcCommandPrintTest, PaydayPdfsArePaintedPageByPageAsRowsArePaid)
{
    for (const char* ext : {".use", ".and", ".cfe"})
        fs::copy_file(tmp / ("Jane" + std::string(ext)), tmp / ("Joe" + std::string(ext)));
    const fs::path sheet = tmp / "hours.csv";
    writeBytes(sheet, "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x\nJane,80,,,,,,,,0\nJoe,40,,,,,,,,0\n");
    const PdfWriter whole = [](const PrintDocument& d, const std::string& path, std::string&) {
        std::ofstream(path, std::ios::binary) << textRendering(d) << "%%EOF\n";
        return true;
    };
    std::vector<size_t> pageSizes;
    bool endFails = false;
    const PageStreamOpener streams = [&](const std::string& path, bool, std::string&) {
        return std::make_unique<TextPageStream>(path, pageSizes, endFails);
    };
    const auto payday = [&](const std::vector<std::string>& extra, const PageStreamOpener& opener) {
        std::vector<std::string> args{"--folder", tmp.path().string(), "--payroll", sheet.string(), "--date", "01/16/2009"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream out;
        err.str({});
        return runCli(args, out, err, whole, opener);
    };
    const fs::path st = tmp / "st.pdf", ck = tmp / "ck.pdf";
    ASSERT_EQ(payday({"--statements", st.string(), "--checks", ck.string()}, {}), 0) << err.str();
    const std::string wholeStatements = fileBytes(st), wholeChecks = fileBytes(ck);
    ASSERT_EQ(payday({"--statements", st.string(), "--checks", ck.string()}, streams), 0) << err.str();
    EXPECT_EQ(fileBytes(st), wholeStatements);
    EXPECT_EQ(fileBytes(ck), wholeChecks);
    // Two pages each, each written out as its row was paid.
    ASSERT_EQ(pageSizes.size(), 4u);
    EXPECT_LT(pageSizes[0], pageSizes[2]);
    EXPECT_FALSE(fs::exists(tmp / ".st.pdf.tmp"));

    // A print that cannot be ended: last week's file stays, the run says so.
    writeBytes(st, "last week");
    endFails = true;
    EXPECT_EQ(payday({"--statements", st.string()}, streams), 1);
    EXPECT_EQ(fileBytes(st), "last week");
    EXPECT_NE(err.str().find("st.pdf could not be written: the PDF file could not be created"), std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(tmp / ".st.pdf.tmp"));
    endFails = false;

    // A folder where the checks should go: refused, and everyone is still paid.
    fs::create_directory(tmp / "ck-folder.pdf");
    EXPECT_EQ(payday({"--checks", (tmp / "ck-folder.pdf").string()}, streams), 1);
    EXPECT_NE(err.str().find("ck-folder.pdf could not be written"), std::string::npos) << err.str();
    EXPECT_TRUE(fs::is_directory(tmp / "ck-folder.pdf"));

    // Nobody paid: no file and no twin left behind.
    writeBytes(sheet, "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x\nNobody,80,,,,,,,,0\n");
    EXPECT_EQ(payday({"--statements", (tmp / "none.pdf").string()}, streams), 1);
    EXPECT_NE(err.str().find("nobody was paid, so"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(tmp / "none.pdf"));
    EXPECT_FALSE(fs::exists(tmp / ".none.pdf.tmp"));
}

// Every output against every target it must not harm: the run exits 1 naming the file and why,
// nothing waits on a pipe, and whatever stood there before is as it was.
TEST_F(CalcCommandPrintTest, OutputsRefuseSpecialTargetsAndKeepTheOldFileOnFailure)
{
    struct Output
    {
        const char* option;
        const char* name;
    };
    const Output outputs[] = {{"--statement", "out.txt"},  {"--check", "out.pdf"}, {"--ledger-print", "out.txt"},
                              {"--ledger-xlsx", "out.xlsx"}};
    const PdfWriter pdf = [](const PrintDocument&, const std::string& path, std::string&) {
        std::ofstream(path, std::ios::binary) << "%PDF-1.4\n%%EOF\n";
        return true;
    };
    const fs::path old = tmp / "last-week.txt";
    writeBytes(old, "last week");
    enum class Target
    {
        Link,
        Fifo,
        Folder,
        Device,
        FullDisk,
    };
    for (const Output& o : outputs) {
        for (Target t : {Target::Link, Target::Fifo, Target::Folder, Target::Device, Target::FullDisk}) {
            SCOPED_TRACE(std::string(o.option) + " " + std::to_string(static_cast<int>(t)));
            const fs::path target = tmp / o.name;
            fs::remove_all(target);
            const char* reason = "";
            switch (t) {
            case Target::Link:
                fs::create_symlink(old, target);
                reason = "symbolic link";
                break;
            case Target::Fifo:
                ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
                reason = "pipe";
                break;
            case Target::Folder:
                fs::create_directory(target);
                reason = "folder";
                break;
            case Target::Device:
                // A device node of our own (the null device's numbers) in the test's folder.
                if (::mknod(target.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                    continue; // not allowed here (not root)
                reason = "device";
                break;
            case Target::FullDisk:
                writeBytes(target, "last week");
                reason = "";
                break;
            }
            const ReplaceCalls real = replaceCalls();
            if (t == Target::FullDisk) {
                // The disk fills after the first 100 bytes of the temporary file.
                replaceCalls().write = [](int fd, const void* data, size_t size) -> ssize_t {
                    static size_t written = 0;
                    if (written >= 100)
                        return errno = ENOSPC, -1;
                    const size_t part = std::min(size, 100 - written);
                    written += part;
                    return ::write(fd, data, part);
                };
            }
            const PdfWriter truncated = [](const PrintDocument&, const std::string& path, std::string&) {
                std::ofstream(path, std::ios::binary) << "%PDF-1.4\n"; // the disk filled before the end
                return true;
            };
            const bool fullPdf = t == Target::FullDisk && std::string(o.name) == "out.pdf";
            const int status = run({o.option, target.string()}, fullPdf ? truncated : pdf);
            replaceCalls() = real;
            if (t == Target::FullDisk && std::string(o.name) == "out.xlsx")
                continue; // the workbook library writes its own file; its refusals are above
            EXPECT_EQ(status, 1);
            if (fullPdf)
                reason = "not written whole";
            else if (t == Target::FullDisk)
                reason = "No space left on device";
            EXPECT_NE(err.str().find(target.string()), std::string::npos) << err.str();
            EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
            EXPECT_EQ(fileBytes(old), "last week");
            const auto kept = fs::symlink_status(target).type();
            const fs::file_type expected[] = {fs::file_type::symlink, fs::file_type::fifo, fs::file_type::directory,
                                              fs::file_type::character, fs::file_type::regular};
            EXPECT_EQ(kept, expected[static_cast<int>(t)]);
            if (t == Target::FullDisk) {
                EXPECT_EQ(fileBytes(target), "last week");
            }
            for (const auto& entry : fs::directory_iterator(tmp.path()))
                EXPECT_FALSE(entry.path().filename().string().starts_with("." + std::string(o.name)))
                    << entry.path();
        }
    }
}

// No output replaces a file the program keeps in the working folder, whatever the option: the
// file stays as it was and the run says why.
TEST_F(CalcCommandPrintTest, OutputsNeverReplaceTheFoldersOwnFiles)
{
    const PdfWriter pdf = [](const PrintDocument&, const std::string& path, std::string&) {
        std::ofstream(path, std::ios::binary) << "%PDF-1.4\n%%EOF\n";
        return true;
    };
    writeBytes(tmp / "Header.sav", "\"Firm\"\r\n");
    writeBytes(tmp / "Jane.hol", "0\r\n");
    writeBytes(tmp / "01_09_2009  Jane.prv", "0\r\n");
    writeBytes(tmp / "Tallyrin.lock", "");
    writeBytes(tmp / "Other.yrw", "another employee's ledger");
    const char* kept[] = {"Jane.yrb", "Jane.use", "Other.yrw", "Federal09.dtt", "Federal09_jan.dtt",
                          "Header.sav", "Jane.hol", "01_09_2009  Jane.prv", "Tallyrin.lock"};
    for (const char* option : {"--statement", "--check", "--ledger-print", "--ledger-xlsx"}) {
        for (const char* name : kept) {
            SCOPED_TRACE(std::string(option) + " " + name);
            const std::string before = fileBytes(tmp / name);
            EXPECT_EQ(run({option, (tmp / name).string()}, pdf), 1);
            EXPECT_NE(err.str().find("is a file the program keeps in the working folder"), std::string::npos)
                << err.str();
            EXPECT_EQ(fileBytes(tmp / name), before);
        }
    }
    // The report as well; a name elsewhere is written.
    fs::remove(tmp / "Header.sav");
    fs::remove(tmp / "Jane.hol");
    std::ostringstream out, reportErr;
    const std::string tables = fileBytes(tmp / "Federal09.dtt");
    EXPECT_EQ(runCli({"--folder", tmp.path().string(), "--report", "q1", "--out", (tmp / "Federal09.dtt").string()},
                     out, reportErr),
              1);
    EXPECT_NE(reportErr.str().find("Federal09.dtt is a file the program keeps"), std::string::npos) << reportErr.str();
    EXPECT_EQ(fileBytes(tmp / "Federal09.dtt"), tables);
    TempFolder elsewhere;
    EXPECT_EQ(run({"--statement", (elsewhere / "Jane.yrb").string()}), 0) << err.str();
    // A print into a folder that is not there says why, for text and PDF alike.
    const PdfWriter pdf2 = [](const PrintDocument&, const std::string&, std::string&) { return true; };
    for (const char* name : {"s.txt", "s.pdf"}) {
        EXPECT_EQ(run({"--statement", (tmp / "no-such-folder" / name).string()}, pdf2), 1);
        EXPECT_NE(err.str().find("No such file or directory"), std::string::npos) << err.str();
    }
}

// A target in a folder the user may not write: the old file stays. (Root may write anywhere, so
// this runs for other users only.)
TEST_F(CalcCommandPrintTest, AnOutputInAReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder";
    const fs::path locked = tmp / "locked";
    fs::create_directory(locked);
    writeBytes(locked / "s.txt", "last week");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(run({"--statement", (locked / "s.txt").string()}), 1);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_NE(err.str().find((locked / "s.txt").string()), std::string::npos) << err.str();
    EXPECT_EQ(fileBytes(locked / "s.txt"), "last week");
}

} // namespace
} // namespace tallyrin
