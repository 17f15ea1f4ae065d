// The staff window and the report windows over a folder of three employees, one with a damaged
// state file: every column sorts by its value, typing filters by name, Enter chooses the selected
// employee, a damaged file is marked with its reason; the quarter's table follows the chosen
// quarter, Print sends the report to the print device and Excel writes the workbook. Nothing of
// the employees is written.
#include "forms/frmReport.h"
#include "forms/frmStaff.h"

#include "forms/FormsTestRegistry.h"
#include "print/PrintDevice.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <map>

namespace tallyrin {

namespace fs = std::filesystem;

namespace {

class KeptPrints : public PrintDevice
{
public:
    bool choosePrinter(const std::string& name) override
    {
        chosen.push_back(name);
        return true;
    }
    bool print(const PrintDocument& document, const std::string&) override
    {
        printed.push_back(textRendering(document));
        return true;
    }
    std::vector<std::string> chosen, printed;
};

std::map<std::string, std::string> folderBytes(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = std::to_string(fs::file_size(entry.path()));
    return files;
}

} // namespace

class frmStaffTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempFolder> m_folder;

    static QString cell(QTableWidget* t, int r, int c) { return t->item(r, c) ? t->item(r, c)->text() : QString(); }
    static QStringList shownUsers(QTableWidget* t)
    {
        QStringList users;
        for (int r = 0; r < t->rowCount(); ++r)
            if (!t->isRowHidden(r))
                users << cell(t, r, 0);
        return users;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        fs::copy(fs::path(GOLDEN_DIR) / "cli" / "payroll-repeated-paste" / "files" / "work", m_folder->path(),
                 fs::copy_options::recursive);
        std::ofstream(*m_folder / "Lee.sta", std::ios::binary) << "garbage\r\n";
    }

    void listsSortsFiltersAndChooses()
    {
        const auto before = folderBytes(m_folder->path());
        frmStaff list(m_folder->path());
        QCOMPARE(list.windowTitle(), QStringLiteral("Employees"));
        auto* table = list.findChild<QTableWidget*>(QStringLiteral("grdStaff"));
        QVERIFY(table);
        QCOMPARE(shownUsers(table), (QStringList{"Bailey", "Lee", "Smith"}));
        QCOMPARE(cell(table, 0, 1), QStringLiteral("Bi-Weekly"));
        QCOMPARE(cell(table, 2, 4), QStringLiteral("3"));
        QCOMPARE(cell(table, 2, 5), QStringLiteral("12/31/2009"));
        QVERIFY(cell(table, 1, 9).startsWith(QStringLiteral("DAMAGED: Lee.sta")));

        // By YTD gross, largest first: 1,860.00, 1,265.00, then 400.00 (by value, not by text).
        table->sortByColumn(6, Qt::DescendingOrder);
        QCOMPARE(shownUsers(table), (QStringList{"Bailey", "Smith", "Lee"}));
        table->sortByColumn(5, Qt::AscendingOrder); // by last period date
        QCOMPARE(shownUsers(table), (QStringList{"Lee", "Bailey", "Smith"}));

        auto* filter = list.findChild<QLineEdit*>(QStringLiteral("txtFilter"));
        QTest::keyClicks(filter, QStringLiteral("sm"));
        QCOMPARE(shownUsers(table), (QStringList{"Smith"}));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(list.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(list.chosenUser()), QStringLiteral("Smith"));
        QCOMPARE(folderBytes(m_folder->path()), before);
    }

    void reportWindowsShowPrintAndWriteTheWorkbook()
    {
        ScriptedDialogs op;
        KeptPrints device;
        std::vector<fs::path> opened;
        frmReport quarter(m_folder->path(), false, op, &device, [&](const fs::path& file) {
            opened.push_back(file);
            return true;
        });
        auto* table = quarter.findChild<QTableWidget*>(QStringLiteral("grdReport"));
        QVERIFY(table);
        QCOMPARE(cell(table, 3, 0), QStringLiteral("TOTALS"));
        QCOMPARE(cell(table, 3, 2), QStringLiteral("3085.00"));
        // The forms' words as headings; the form lines in a table of their own; the columns shown
        // fit the window on a 1280 x 800 screen.
        QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Wages, tips and other compensation"));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Gross pay"));
        auto* lines = quarter.findChild<QTableWidget*>(QStringLiteral("grdFormLines"));
        QVERIFY(lines);
        QCOMPARE(lines->item(1, 0)->text(), QStringLiteral("941 line 2"));
        QCOMPARE(lines->item(1, 1)->text(), QStringLiteral("Wages, tips and other compensation"));
        QCOMPARE(table->columnCount(), 23);
        int width = table->verticalHeader()->width();
        for (int c = 0; c < table->columnCount(); ++c)
            width += table->isColumnHidden(c) ? 0 : table->columnWidth(c);
        QVERIFY2(width <= 1180, qPrintable(QString::number(width)));
        QVERIFY(quarter.width() <= 1280 && quarter.height() <= 800);
        quarter.findChild<QComboBox*>(QStringLiteral("cboQuarter"))->setCurrentIndex(3);
        QCOMPARE(cell(table, 0, 0), QStringLiteral("Smith")); // only Smith's 12/31 row is in the 4th quarter
        QCOMPARE(cell(table, 1, 0), QStringLiteral("TOTALS"));

        QTest::mouseClick(quarter.findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QCOMPARE(device.chosen, (std::vector<std::string>{"Report q4 2009"}));
        QVERIFY(device.printed.at(0).find("Payroll Report, 4th Quarter 2009") != std::string::npos);
        QTest::mouseClick(quarter.findChild<QPushButton*>(QStringLiteral("cmdExcel")), Qt::LeftButton);
        QCOMPARE(opened, (std::vector<fs::path>{*m_folder / "Report q4 2009.xlsx"}));
        QVERIFY(fs::file_size(opened.at(0)) > 0);

        frmReport year(m_folder->path(), true, op, &device, {});
        QVERIFY(!year.findChild<QComboBox*>(QStringLiteral("cboQuarter")));
        QVERIFY(year.report().form940.has_value());
        QTest::mouseClick(year.findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        // One W-2 worksheet page per employee after the report's own page.
        const std::string& printed = device.printed.at(1);
        QCOMPARE(static_cast<int>(std::count(printed.begin(), printed.end(), '\f')), 4);
        QVERIFY(op.messages().empty());
    }
};

TALLYRIN_FORMS_TEST(frmStaffTest);

} // namespace tallyrin

#include "frmStaffTest.moc"
