// The Payday Run screen's binding (the sheet's rows and plan, the options, the run with its
// progress bar and summary), and the combined PDFs: one page per employee paid, each with that
// employee's name and net pay (read back with pdftotext).
#include "forms/frmPayday.h"

#include "screens/frmPaydayScreen.h"
#include "forms/FormsTestRegistry.h"
#include "platform/QtPrintDevice.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <map>

namespace tallyrin {

namespace fs = std::filesystem;

class frmPaydayTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempFolder> m_folder;
    std::string m_sheet;

    static CalendarDate payday() { return {2009, 1, 9}; }
    static QString cell(QTableWidget* t, int r, int c) { return t->item(r, c) ? t->item(r, c)->text() : QString(); }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        fs::copy(fs::path(GOLDEN_DIR) / "cli" / "payroll-normal" / "files" / "work", m_folder->path(),
                 fs::copy_options::recursive);
        for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, *m_folder / table);
        m_sheet = (*m_folder / "hours.csv").string();
        std::ofstream(m_sheet) << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n"
                                  "Smith,40,,2,,,,,,0,3\nNobody,40,,,,,,,,0,3\nBailey,80,,,,,,,,0,2\nLee,40,,,,,,,,0,3\n";
    }

    void choosesRunsAndSummarises()
    {
        ScriptedDialogs op;
        op.fileAnswers = {m_sheet};
        frmPaydayScreen screen(op, m_folder->path(), payday);
        frmPayday form(screen, nullptr);
        QCOMPARE(form.windowTitle(), QStringLiteral("Payday Run"));
        auto* rows = form.findChild<QTableWidget*>("grdRows");
        auto* run = form.findChild<QPushButton*>("cmdRun");
        QVERIFY(!run->isEnabled());

        QTest::mouseClick(form.findChild<QPushButton*>("cmdChoose"), Qt::LeftButton);
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(cell(rows, 0, 1), QStringLiteral("Smith"));
        QCOMPARE(cell(rows, 0, 2), QStringLiteral("pay for 01/09/2009"));
        QCOMPARE(cell(rows, 1, 2), QStringLiteral("not paid: the employee file Nobody.use is not in the folder."));
        form.findChild<QCheckBox*>("ckPaste")->click();
        QCOMPARE(cell(rows, 2, 2), QStringLiteral("pay for 01/09/2009, paste into week 2"));
        QVERIFY(run->isEnabled());

        QTest::mouseClick(run, Qt::LeftButton);
        auto* progress = form.findChild<QProgressBar*>("prgRun");
        QCOMPARE(progress->maximum(), 4);
        QCOMPARE(progress->value(), 4);
        auto* summary = form.findChild<QTableWidget*>("grdSummary");
        QCOMPARE(summary->rowCount(), 4);
        QCOMPARE(cell(summary, 0, 4), QStringLiteral("$327.43"));
        QVERIFY(cell(summary, 1, 5).contains(QStringLiteral("Nobody.use")));
        QVERIFY(!run->isEnabled());
        QVERIFY(form.findChild<QPushButton*>("cmdPrintStatements")->isEnabled());
        QVERIFY(fs::exists(*m_folder / "Bailey.yrb"));
    }

    // The same sheet run again with the paste: every employee already paid, printed again, and the
    // summary says so.
    void aSecondRunShowsAlreadyPaidRows()
    {
        for (int pass = 0; pass < 2; ++pass) {
            ScriptedDialogs op;
            op.fileAnswers = {m_sheet};
            frmPaydayScreen screen(op, m_folder->path(), payday);
            frmPayday form(screen, nullptr);
            QTest::mouseClick(form.findChild<QPushButton*>("cmdChoose"), Qt::LeftButton);
            form.findChild<QCheckBox*>("ckPaste")->click();
            QTest::mouseClick(form.findChild<QPushButton*>("cmdRun"), Qt::LeftButton);
            auto* summary = form.findChild<QTableWidget*>("grdSummary");
            QCOMPARE(summary->rowCount(), 4);
            QCOMPARE(cell(summary, 0, 4), QStringLiteral("$327.43"));
            if (pass == 1) {
                QCOMPARE(cell(summary, 0, 5), QStringLiteral("already paid: week 3 holds this period; printed again"));
                QVERIFY(screen.lbTotals.find("0 paid, 3 already paid, 1 not paid") != std::string::npos);
                QVERIFY(form.findChild<QPushButton*>("cmdPrintChecks")->isEnabled());
            }
        }
    }

    // The combined prints are named after the rows' own period date, not the dialog's.
    void combinedPrintsAreNamedAfterTheRowsDate()
    {
        std::ofstream(m_sheet) << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,date\n"
                                  "Smith,40,,,,,,,,0,01/30/2009\n";
        ScriptedDialogs op;
        op.fileAnswers = {m_sheet};
        frmPaydayScreen screen(op, m_folder->path(), payday);
        screen.cmdChoose_Click();
        screen.cmdRun_Click();
        struct Names : PrintDevice
        {
            bool choosePrinter(const std::string& name) override
            {
                names.push_back(name);
                return false;
            }
            bool print(const PrintDocument&, const std::string&) override { return true; }
            std::vector<std::string> names;
        } device;
        screen.cmdPrintChecks_Click(device);
        QCOMPARE(device.names, (std::vector<std::string>{"Payday 01_30_2009 checks"}));
    }

    void combinedPdfHasOnePagePerEmployeePaid()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        // The checks carry the name on the employee's profile.
        const std::map<std::string, QString> payee{
            {"Smith", "Pat Smith"}, {"Bailey", "Robin Bailey"}, {"Lee", "Employee's Name"}};
        for (const char* user : {"Smith", "Bailey"}) {
            const fs::path file = *m_folder / (std::string(user) + ".and");
            std::ifstream old(file, std::ios::binary);
            std::string bytes{std::istreambuf_iterator<char>(old), {}};
            bytes.replace(bytes.find("Employee's Name"), 15, payee.at(user).toStdString());
            std::ofstream(file, std::ios::binary) << bytes;
        }
        std::ifstream in(m_sheet);
        PaydayRun run(m_folder->path(), *readHoursSheet(in).sheet, PaydayOptions{"01/09/2009"}, payday);
        run.runAll();
        QCOMPARE(run.totals().paid, 3);
        for (const auto& [document, kind] : {std::pair{&run.statements(), "statements"}, {&run.checks(), "checks"}}) {
            const QString pdf = QString::fromStdString((*m_folder / (std::string(kind) + ".pdf")).string());
            QVERIFY(!writePdf(*document, pdf).failed());
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            QVERIFY(text.waitForFinished(30000));
            QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
            if (pages.last().trimmed().isEmpty())
                pages.removeLast();
            QCOMPARE(pages.size(), 3);
            int page = 0;
            for (const PaydayLine& line : run.lines()) {
                if (!line.paid)
                    continue;
                // The net pay as the prints show it: "#####.00", no dollar sign or separators.
                QString net = QString::fromStdString(line.net).remove(QLatin1Char('$')).remove(QLatin1Char(','));
                const QString name = kind == std::string("checks") ? payee.at(line.user) : QString::fromStdString(line.user);
                QVERIFY2(pages[page].contains(name), qPrintable(name));
                QVERIFY2(pages[page].contains(net), qPrintable(QStringLiteral("%1 %2").arg(kind, net)));
                ++page;
            }
        }
    }
};

TALLYRIN_FORMS_TEST(frmPaydayTest);

} // namespace tallyrin

#include "frmPaydayTest.moc"
