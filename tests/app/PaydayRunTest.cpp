// The payday run against the one-employee path: the same labels, files, ledger row and statement
// for a weekly, a bi-weekly and a Kentucky employee; rows that cannot be paid stop only
// themselves; the hours sheet's reading and its refusals.
#include "app/PaydayRun.h"

#include "session/Workspace.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "text/FolderLock.h"
#include "text/Numbers.h"
#include "screens/MDIForm1Screen.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

const fs::path kStaff = fs::path(GOLDEN_DIR) / "cli" / "payroll-normal" / "files" / "work";
const fs::path kDamaged = fs::path(GOLDEN_DIR) / "cli" / "damaged-use" / "files" / "work";
CalendarDate payday() { return {2009, 1, 9}; }

void fillFolder(const fs::path& folder)
{
    fs::copy(kStaff, folder, fs::copy_options::recursive);
    for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, folder / table);
}

HoursSheet sheetOf(const std::string& text)
{
    std::istringstream in(text);
    HoursSheetReading reading = readHoursSheet(in);
    EXPECT_TRUE(reading.sheet) << reading.problem;
    return reading.sheet.value_or(HoursSheet{});
}

std::map<std::string, std::string> folderBytes(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = fileBytes(entry.path());
    return files;
}

// The pages of a combined document's text rendering, one per end document.
std::vector<std::string> pages(const PrintDocument& document)
{
    std::vector<std::string> out;
    const std::string text = textRendering(document);
    for (size_t start = 0, end; (end = text.find("\f\n", start)) != std::string::npos; start = end + 2)
        out.push_back(text.substr(start, end - start));
    return out;
}

struct Payee
{
    const char* user;
    std::array<std::string, 8> entries;
    bool ot2x;
    int week;
    const char* date;
};

const Payee kPayees[] = {
    {"Smith", {"40", "", "2", "", "", "", "", ""}, false, 3, "01/09/2009"},           // weekly
    {"Bailey", {"80", "", "", "4", "", "", "1,000.00", ""}, false, 2, "01/16/2009"}, // bi-weekly
    {"Lee", {"40", "", "2", "", "", "", "", ""}, true, 3, "01/09/2009"},              // Kentucky
};

TEST(PaydayRunTest, PaysEachEmployeeAsTheOneEmployeePathDoes)
{
    TempFolder single, batch;
    fillFolder(single.path());
    fillFolder(batch.path());

    std::string csv = "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week,date\n";
    for (const Payee& p : kPayees) {
        csv += p.user;
        for (const auto& e : p.entries)
            csv += ",\"" + e + "\"";
        csv += std::string(",") + (p.ot2x ? "1" : "0") + "," + std::to_string(p.week) + "," + p.date + "\n";
    }
    PaydayRun run(batch.path(), sheetOf(csv), PaydayOptions{"01/09/2009", false, true}, payday);
    run.runAll();
    ASSERT_EQ(run.lines().size(), 3u);
    EXPECT_FALSE(run.faults()) << run.lines()[0].message << run.lines()[1].message << run.lines()[2].message;
    const std::vector<std::string> statements = pages(run.statements());
    ASSERT_EQ(statements.size(), 3u);
    const std::vector<std::string> checks = pages(run.checks());
    ASSERT_EQ(checks.size(), 3u);

    for (size_t i = 0; i < std::size(kPayees); ++i) {
        const Payee& p = kPayees[i];
        SCOPED_TRACE(p.user);
        // The operator: Open, the entries, the date, ADD, the ledger's week number, Close with Yes.
        ScriptedDialogs op;
        op.yesNoAnswers = {true};
        Workspace ws(op, single.path(), payday);
        ws.startUp();
        ws.openEmployee(single / (std::string(p.user) + ".use"));
        ws.form1.txtAmount = p.entries;
        ws.form1.opt1x = !p.ot2x;
        ws.form1.setWeek(p.date);
        ws.cmdCal_Click();
        const auto labels = payFormLabels(ws.form1);
        MDIForm1Screen frame(ws.ledger, op,
                             YtdContext{ws.files(), ws.profile, [&] { return ws.shownPeriod(); },
                                        [&] { return ws.form1.txtWeek; }});
        frame.open();
        frame.weekClicked(p.week - 1);
        ASSERT_TRUE(frame.mnuClose_Click());
        const std::string statement = pages(ws.statementDocument()).at(0);
        ws.frmChecks_Load();
        ws.dlgPrintSet_Load();
        const std::string check = pages(ws.checkDocument()).at(0);
        EXPECT_TRUE(op.messages().empty());

        const PaydayLine& line = run.lines()[i];
        EXPECT_TRUE(line.paid);
        EXPECT_EQ(line.message, "");
        EXPECT_EQ(line.week, p.week);
        EXPECT_EQ(line.labels, labels);
        EXPECT_EQ(line.net, ws.form1.lbNet);
        EXPECT_EQ(statements[i], statement);
        EXPECT_EQ(checks[i], check);

        YtdLedger pasted;
        pasted.setBiWeekly(ws.ledger.biWeekly());
        ASSERT_FALSE(pasted.readLedger(batch.path(), p.user).failed());
        const YtdRow& a = ws.ledger.row(p.week - 1);
        const YtdRow& b = pasted.row(p.week - 1);
        EXPECT_EQ(b.Date, p.date);
        EXPECT_EQ(std::tie(a.Date, a.Federal, a.State, a.Gross, a.Net, a.Sdi, a.Tips),
                  std::tie(b.Date, b.Federal, b.State, b.Gross, b.Net, b.Sdi, b.Tips));
    }
    EXPECT_EQ(folderBytes(batch.path()), folderBytes(single.path()));
    EXPECT_EQ(run.totals().paid, 3);
    EXPECT_EQ(format(run.totals().gross, "$#,###.00"), "$2,720.00");
}

TEST(PaydayRunTest, ARowThatCannotBePaidStopsOnlyItself)
{
    TempFolder folder;
    fillFolder(folder.path());
    for (const char* ext : {".use", ".and", ".sta", ".yrw"})
        fs::copy_file(kDamaged / (std::string("Smith") + ext), folder / (std::string("Broken") + ext));
    const auto before = folderBytes(folder.path());

    PaydayRun run(folder.path(),
                  sheetOf("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n"
                          "Nobody,40,,,,,,,,0,1\n"
                          "Broken,40,,,,,,,,0,1\n"
                          "Smith,40,,1..5,,,,,,0,1\n"
                          "Jones,40,,,,,,,,0,53\n"
                          "Brown,40,,,,,,,,0,\n"
                          "Bailey,40,,,,,,,,0,27\n"
                          "Clark,40,,,,,,,,0,1,extra\n"
                          "Lee,40,,,,,,,,0,1\n"),
                  PaydayOptions{"", false, true}, payday);
    run.runAll();
    const char* expected[] = {
        "the employee file Nobody.use is not in the folder.",
        "could not be read completely.",
        "the entry \"ot\" is not a number: \"1..5\".",
        "the week \"53\" is not a week of the ledger (1 to 52).",
        "no week to paste into.",
        "Week 27 is past the last week of Bailey's ledger (26).",
        "The row has 12 fields where the header has 11.",
    };
    ASSERT_EQ(run.lines().size(), 8u);
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i]);
        EXPECT_FALSE(run.lines()[i].paid);
        EXPECT_NE(run.lines()[i].message.find(expected[i]), std::string::npos) << run.lines()[i].message;
    }
    EXPECT_TRUE(run.lines()[7].paid);
    EXPECT_TRUE(run.faults());
    EXPECT_EQ(run.totals().notPaid, 7);
    EXPECT_EQ(pages(run.statements()).size(), 1u);
    // Only Lee's files changed (and were joined by those the save writes).
    auto after = folderBytes(folder.path());
    for (const auto& [name, bytes] : before) {
        if (name.rfind("Lee.", 0) != 0) {
            EXPECT_EQ(after[name], bytes) << name;
        }
    }
    EXPECT_FALSE(fs::exists(folder / "Broken.hol"));
}

TEST(PaydayRunTest, AWeekHoldingThisPeriodIsAlreadyPaidAnotherIsRefusedUnlessOverwriteIsAsked)
{
    TempFolder folder;
    fillFolder(folder.path());
    const std::string columns = "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n";
    const std::string sheet = columns + "Smith,40,,,,,,,,0,5\n";
    PaydayRun first(folder.path(), sheetOf(sheet), PaydayOptions{"01/30/2009", false, true}, payday);
    first.runAll();
    ASSERT_TRUE(first.lines()[0].paid);
    const auto paidOnce = folderBytes(folder.path());

    // The same sheet again: printed again, nothing written, exit status 0.
    PaydayRun again(folder.path(), sheetOf(sheet), PaydayOptions{"01/30/2009", false, true}, payday);
    again.runAll();
    const PaydayLine& line = again.lines()[0];
    EXPECT_FALSE(line.paid);
    EXPECT_TRUE(line.alreadyPaid);
    EXPECT_EQ(line.message, "");
    EXPECT_EQ(line.note, "already paid: week 5 holds this period; printed again");
    EXPECT_EQ(line.net, first.lines()[0].net);
    EXPECT_FALSE(again.faults());
    EXPECT_EQ(again.totals().alreadyPaid, 1);
    EXPECT_EQ(again.totals().net, first.totals().net);
    EXPECT_EQ(pages(again.statements()), pages(first.statements()));
    EXPECT_EQ(pages(again.checks()), pages(first.checks()));
    EXPECT_EQ(folderBytes(folder.path()), paidOnce);

    // Another period in that week is refused; with --overwrite it replaces the week.
    for (const char* date : {"01/30/2009", "02/06/2009"}) {
        SCOPED_TRACE(date);
        PaydayRun other(folder.path(), sheetOf(columns + "Smith,45,,,,,,,,0,5\n"), PaydayOptions{date, false, true},
                        payday);
        other.runAll();
        EXPECT_FALSE(other.lines()[0].paid || other.lines()[0].alreadyPaid);
        EXPECT_EQ(other.lines()[0].message,
                  "Week 5 of the ledger already holds the period 01/30/2009. Nothing was written for this employee.");
        EXPECT_EQ(folderBytes(folder.path()), paidOnce);
    }
    PaydayRun replaced(folder.path(), sheetOf(sheet), PaydayOptions{"02/06/2009", false, true, true}, payday);
    replaced.runAll();
    EXPECT_TRUE(replaced.lines()[0].paid);
    EXPECT_NE(fileBytes(folder / "Smith.yrw").find("\"02/06/2009\""), std::string::npos);
}

// A ledger whose year-to-date gross is just under the Social Security wage base: a week replaced
// with --overwrite is worked out as if it were empty, so the rerun gives the first run's figures.
TEST(PaydayRunTest, OverwriteLeavesTheReplacedWeekOutOfTheWageBases)
{
    TempFolder folder;
    fillFolder(folder.path());
    YtdLedger ledger;
    ASSERT_FALSE(ledger.readLedger(folder.path(), "Smith").failed());
    PayPeriodResult earlier;
    earlier.GrossPay = 105655; // with the 845.00 the ledger holds, 300.00 under the base
    ASSERT_EQ(ledger.PasteMe(2, earlier, "01/02/2009"), "");
    ASSERT_EQ(ledger.SaveAnnual(folder.path(), "Smith"), "");

    const std::string columns = "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n";
    PaydayRun first(folder.path(), sheetOf(columns + "Smith,40,,,,,,,,0,4\n"), PaydayOptions{"01/09/2009", false, true},
                    payday);
    first.runAll();
    ASSERT_TRUE(first.lines()[0].paid) << first.lines()[0].message;
    const auto paidOnce = folderBytes(folder.path());
    const auto label = [](const PaydayLine& l, const std::string& name) {
        for (const auto& [key, text] : l.labels)
            if (key == name)
                return text;
        return std::string("(none)");
    };
    EXPECT_EQ(label(first.lines()[0], "lbTaxDed_1"), "18.60"); // 6.2 % of the 300.00 left under the base

    PaydayRun rerun(folder.path(), sheetOf(columns + "Smith,40,,,,,,,,0,4\n"),
                    PaydayOptions{"01/09/2009", false, true, true}, payday);
    rerun.runAll();
    EXPECT_TRUE(rerun.lines()[0].alreadyPaid);
    EXPECT_EQ(rerun.lines()[0].labels, first.lines()[0].labels);
    PaydayRun changed(folder.path(), sheetOf(columns + "Smith,40,,,,,,,,0,4\n"),
                      PaydayOptions{"01/16/2009", false, true, true}, payday);
    changed.runAll();
    EXPECT_TRUE(changed.lines()[0].paid);
    EXPECT_EQ(label(changed.lines()[0], "lbTaxDed_1"), label(first.lines()[0], "lbTaxDed_1"));
    EXPECT_EQ(changed.lines()[0].net, first.lines()[0].net);
}

// A week holding amounts under no date ("0" after a clear, or empty) holds a period: the payday
// does not paste over it, and names it by its amounts.
TEST(PaydayRunTest, AWeekWithAmountsButNoDateHoldsAPeriod)
{
    struct Held
    {
        const char* date;
        float YtdRow::*amount;
        float value;
        const char* named;
    };
    const Held cases[] = {
        {"0", &YtdRow::Gross, 278.18f, "gross 278.18"}, {"", &YtdRow::Gross, 278.18f, "gross 278.18"},
        {"", &YtdRow::Tips, 12.5f, "tips 12.50"},      {"", &YtdRow::Sdi, 3.1f, "SDI 3.10"},
        {"", &YtdRow::Net, -4.0f, "net -4.00"},        {"", &YtdRow::State, 1e-30f, "gross .00"},
    };
    for (const Held& held : cases) {
        SCOPED_TRACE(std::string("date \"") + held.date + "\", " + held.named);
        TempFolder folder;
        fillFolder(folder.path());
        YtdLedger ledger;
        ASSERT_FALSE(ledger.readLedger(folder.path(), "Smith").failed());
        std::array<YtdRow, kLedgerSlots> rows;
        for (int slot = 0; slot < kLedgerSlots; ++slot)
            rows[slot] = ledger.row(slot);
        rows[0] = YtdRow{};
        rows[0].Date = held.date;
        rows[0].*held.amount = held.value;
        writeBytes(folder / "Smith.yrw", ledger.fileContent(rows));
        const std::string before = fileBytes(folder / "Smith.yrw");
        PaydayRun run(folder.path(),
                      sheetOf("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nSmith,40,,,,,,,,0,1\n"),
                      PaydayOptions{"01/02/2009", false, true}, payday);
        run.runAll();
        EXPECT_FALSE(run.lines()[0].paid);
        EXPECT_NE(run.lines()[0].message.find("already holds a period with no date ("), std::string::npos)
            << run.lines()[0].message;
        EXPECT_NE(run.lines()[0].message.find(held.named), std::string::npos) << run.lines()[0].message;
        EXPECT_EQ(fileBytes(folder / "Smith.yrw"), before);
    }
}

// A rerun finds its week paid whatever way the ledger file spells it: LF line ends, the date
// unquoted.
TEST(PaydayRunTest, AlreadyPaidComparesTheWeeksValuesNotTheFilesBytes)
{
    TempFolder folder;
    fillFolder(folder.path());
    const std::string sheet = "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nSmith,40,,,,,,,,0,5\n";
    PaydayRun first(folder.path(), sheetOf(sheet), PaydayOptions{"03/06/2009", false, true}, payday);
    first.runAll();
    ASSERT_TRUE(first.lines()[0].paid);
    std::string bytes = fileBytes(folder / "Smith.yrw");
    for (size_t at; (at = bytes.find("\r\n")) != std::string::npos;)
        bytes.erase(at, 1);
    for (size_t at; (at = bytes.find("\"03/06/2009\"")) != std::string::npos;)
        bytes.replace(at, 12, "03/06/2009");
    writeBytes(folder / "Smith.yrw", bytes);

    PaydayRun again(folder.path(), sheetOf(sheet), PaydayOptions{"03/06/2009", false, true}, payday);
    again.runAll();
    EXPECT_TRUE(again.lines()[0].alreadyPaid) << again.lines()[0].message;
    EXPECT_FALSE(again.faults());
    EXPECT_EQ(fileBytes(folder / "Smith.yrw"), bytes);
}

// Sheet rows that would pay wrong money without a word: each is not paid, with its reason, and
// nothing of the employee is written.
TEST(PaydayRunTest, RowsThatWouldPayWrongMoneyAreRefused)
{
    struct Row
    {
        const char* row;
        const char* why;
    };
    const Row rows[] = {
        {"Smith,-40,,,,,,,,0,1,", "gross pay is -$400.00, below 0"},
        {"Smith,(40),,,,,,,,0,1,", "gross pay is -$400.00, below 0"},
        {"Smith,\"40,5\",,,,,,,,0,1,", "the entry \"regular\" is not a number: \"40,5\""},
        {"Smith,40,,,,,,\"1,00\",,0,1,", "the entry \"amount\" is not a number"},
        {"Smith,40,,,,,,,,0,1e1,", "the week \"1e1\" is not a week of the ledger"},
        {"Smith,40,,,,,,,,0,2.0,", "the week \"2.0\" is not a week of the ledger"},
        {"Smith,,0,, ,,,0.00,,0,1,", "nothing to pay"},
        {"Smith,40,,,,,,,,0,1,01/08/2010", "the period date 01/08/2010 is not in 2009"},
        {"Smith,40,,,,,,,,0,1,12/31/2008", "the period date 12/31/2008 is not in 2009"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        TempFolder folder;
        fillFolder(folder.path());
        const auto before = folderBytes(folder.path());
        PaydayRun run(folder.path(),
                      sheetOf(std::string("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week,date\n") +
                              r.row + "\n"),
                      PaydayOptions{"01/09/2009", false, true}, payday);
        run.runAll();
        EXPECT_FALSE(run.lines()[0].paid);
        EXPECT_NE(run.lines()[0].message.find(r.why), std::string::npos) << run.lines()[0].message;
        EXPECT_EQ(run.totals().notPaid, 1);
        auto after = folderBytes(folder.path());
        after.erase("Tallyrin.lock");
        EXPECT_TRUE(after == before);
    }
    // Lee's SUI taken as a flat 7,000.00 leaves the net below 0.
    TempFolder folder;
    fillFolder(folder.path());
    std::string sta = fileBytes(folder / "Lee.sta");
    sta.replace(sta.find("7000,-2.5,1,1,1,0"), 17, "7000,-2.5,1,0,1,0");
    writeBytes(folder / "Lee.sta", sta);
    PaydayRun flat(folder.path(),
                   sheetOf("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nLee,40,,,,,,,,0,3\n"),
                   PaydayOptions{"01/09/2009", false, true}, payday);
    flat.runAll();
    EXPECT_FALSE(flat.lines()[0].paid);
    EXPECT_NE(flat.lines()[0].message.find("net pay is -$6,6"), std::string::npos) << flat.lines()[0].message;

    // Commas in their places still group thousands.
    PaydayRun run(folder.path(),
                  sheetOf("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n"
                          "Smith,40,,,,,,\"1,000.50\",,0,3\n"),
                  PaydayOptions{"01/09/2009", false, true}, payday);
    run.runAll();
    EXPECT_TRUE(run.lines()[0].paid) << run.lines()[0].message;
}

// A save that fails part-way (a folder stands where the ledger's temporary file goes): the row is
// not paid, and the totals say so.
TEST(PaydayRunTest, ARowWhosePasteFailsIsNotPaid)
{
    TempFolder folder;
    fillFolder(folder.path());
    fs::create_directory(folder / ".Smith.yrw.tmp");
    fs::create_directory(folder / ".Smith.yrw.tmp" / "inside");
    PaydayRun run(folder.path(),
                  sheetOf("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nSmith,40,,,,,,,,0,5\n"),
                  PaydayOptions{"01/30/2009", false, true}, payday);
    run.runAll();
    EXPECT_FALSE(run.lines()[0].paid);
    EXPECT_FALSE(run.lines()[0].alreadyPaid);
    EXPECT_NE(run.lines()[0].message.find("could not be saved in the ledger"), std::string::npos)
        << run.lines()[0].message;
    EXPECT_EQ(run.totals().paid, 0);
    EXPECT_EQ(run.totals().notPaid, 1);
    EXPECT_TRUE(run.faults());
    EXPECT_TRUE(pages(run.checks()).empty());
}

// What stops a run before anyone is paid: the shared files every row needs, and the lock another
// run holds. Nothing is written.
TEST(PaydayRunTest, ASharedFileOrAHeldFolderStopsTheRunBeforeAnyoneIsPaid)
{
    const std::string sheet =
        "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nSmith,40,,,,,,,,0,1\nLee,40,,,,,,,,0,1\n";
    const struct
    {
        const char* file;
        const char* bytes;
        const char* problem;
    } cases[] = {
        {"Header.sav", "\"Acme\",\"1 Main\"\r\n", "Header.sav"},
        {"Federal09.dtt", "garbage", "Federal09.dtt"},
        {"Tallyrin.lock", nullptr, "is in use by another run"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        TempFolder folder;
        fillFolder(folder.path());
        std::optional<FolderLock> other;
        if (c.bytes) {
            std::ofstream(folder / c.file, std::ios::binary) << c.bytes;
        }
        const auto before = folderBytes(folder.path());
        PaydayOptions options{"01/02/2009", false, true};
        options.lockWait = std::chrono::milliseconds(1000);
        PaydayRun run(folder.path(), sheetOf(sheet), options, payday);
        std::string problem;
        bool started = false;
        if (!c.bytes) {
            // Another process holds the folder: a child that takes the lock and waits.
            const pid_t child = ::fork();
            if (child == 0) {
                auto held = FolderLock::acquire(folder.path());
                ::sleep(5);
                ::_exit(held ? 0 : 1);
            }
            ::usleep(300000);
            const auto waitedFrom = std::chrono::steady_clock::now();
            started = run.start(problem);
            EXPECT_GE(std::chrono::steady_clock::now() - waitedFrom, std::chrono::seconds(1));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        } else {
            started = run.start(problem);
        }
        EXPECT_FALSE(started);
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_NE(problem.find("Nothing was paid."), std::string::npos) << problem;
        run.runAll();
        EXPECT_EQ(run.totals().notPaid, 2);
        EXPECT_TRUE(run.faults());
        EXPECT_TRUE(run.statements().empty());
        auto after = folderBytes(folder.path());
        after.erase("Tallyrin.lock");
        auto expected = before;
        expected.erase("Tallyrin.lock");
        EXPECT_TRUE(after == expected);
    }
}

TEST(HoursSheetTest, ReadsQuotedFieldsInAnyColumnOrder)
{
    const HoursSheet sheet = sheetOf("ot2x, tips,amount,vacation,holiday,ot15,ot,regular2,regular,user,date\r\n"
                                     "\r\n"
                                     "1,,\"1,234.50\",8,,,,,40, \"O'Neil, \"\"Jr\"\"\" ,1/2/2009\r\n"
                                     "0,2,,,,,,,\"3\n\",Kim,\r\n");
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_FALSE(sheet.hasWeek);
    EXPECT_TRUE(sheet.hasDate);
    const HoursRow& r = sheet.rows[0];
    EXPECT_EQ(r.line, 3);
    EXPECT_EQ(r.user, "O'Neil, \"Jr\"");
    EXPECT_EQ(r.entries, (std::array<std::string, 8>{"40", "", "", "", "", "8", "1,234.50", ""}));
    EXPECT_EQ(r.ot2x, "1");
    EXPECT_EQ(r.date, "1/2/2009");
    EXPECT_EQ(sheet.rows[1].line, 4);
    EXPECT_EQ(sheet.rows[1].entries[0], "3\n");
}

TEST(HoursSheetTest, RefusesASheetItCannotTrust)
{
    const std::string columns = "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips";
    const struct
    {
        std::string text;
        std::string problem;
    } cases[] = {
        {"", "line 1: the sheet is empty; it needs a header row naming its columns"},
        {columns + "\nSmith,40,,,,,,,\n", "line 1: the header lacks the column \"ot2x\""},
        {"user,regular\n", "line 1: the header lacks the columns \"regular2\", \"ot\", \"ot15\", \"holiday\", "
                           "\"vacation\", \"amount\", \"tips\", \"ot2x\""},
        {columns + ",ot2x,hours\n", "line 1: the header names an unknown column \"hours\""},
        {columns + ",ot2x,user\n", "line 1: the header names the column \"user\" twice"},
        {columns + ",,ot2x\n", "line 1: column 10 of the header has no name"},
        {columns + ",ot2x\nSmith,\"40,,,,,,,,0\n", "line 2: a quote is opened and never closed"},
        {columns + ",ot2x\nSmith,\"40\"0,,,,,,,,0\n", "line 2: text follows a closing quote"},
        {columns + ",ot2x\nSmith,40,,,,,,,,0\nLee,8,,,,,,,,0\nSmith,2,,,,,,,,0\n",
         "lines 2 and 4 both name the employee \"Smith\"; an employee is paid once in a run"},
        {columns + ",ot2x\nLee,8,,,,,,,,0\n\"Sm\tith\",40,,,,,,,,0\n",
         "line 3: the user name \"Sm\\tith\" holds a control character"},
        {columns + ",ot2x,\"" + std::string(100, 'x') + "\"\n",
         "line 1: the header names an unknown column \"" + std::string(60, 'x') + "...\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        const HoursSheetReading reading = readHoursSheet(in);
        EXPECT_FALSE(reading.sheet);
        EXPECT_EQ(reading.problem, c.problem);
    }
}

// The sheet file is read as the employee's files are: never waiting on a pipe, never taking a
// device or a folder, not past its size limit; a spreadsheet's byte-order mark and an older
// Windows-1252 file read as the clerk sees them.
TEST(HoursSheetTest, TheSheetFileIsReadUnderTheFileRules)
{
    TempFolder folder;
    const std::string header = "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x\r\n";
    std::ofstream(folder / "bom.csv", std::ios::binary) << "\xEF\xBB\xBF" << header << "Smith,40,,,,,,,,0\r\n";
    std::ofstream(folder / "1252.csv", std::ios::binary) << header << "\xC9mil\xE9,40,,,,,,,,0\r\n";
    ASSERT_EQ(::mkfifo((folder / "pipe.csv").c_str(), 0600), 0);
    fs::create_directory(folder / "folder.csv");
    {
        std::ofstream big(folder / "big.csv", std::ios::binary);
        big << header;
        const std::string row = "Smith,40,,,,,,,,0\r\n";
        for (size_t n = 0; n * row.size() <= kLargestHoursSheet; ++n)
            big << row;
    }
    const HoursSheetReading bom = readHoursSheetFile(folder / "bom.csv");
    ASSERT_TRUE(bom.sheet) << bom.problem;
    EXPECT_EQ(bom.sheet->rows.at(0).user, "Smith");
    const HoursSheetReading latin = readHoursSheetFile(folder / "1252.csv");
    ASSERT_TRUE(latin.sheet) << latin.problem;
    EXPECT_EQ(latin.sheet->rows.at(0).user, "\u00C9mil\u00E9");
    for (const char* name : {"pipe.csv", "folder.csv", "big.csv", "missing.csv"}) {
        SCOPED_TRACE(name);
        const HoursSheetReading reading = readHoursSheetFile(folder / name);
        EXPECT_FALSE(reading.sheet);
        EXPECT_FALSE(reading.problem.empty());
    }
}

} // namespace
} // namespace tallyrin
