// The quarter's report ("Quarter...", the quarter chosen in the window) and the year's ("Year End
// (W-2, 940)..."): the table of employees, TOTALS and the forms' lines from the ledgers, with Print
// (printer or PDF) and Excel; for the year also the W-2s and the W-2 file for filing. Nothing here
// writes an employee file.
#pragma once

#include "employee/CompanyHeader.h"
#include "print/ReportPrints.h"
#include "ytd/PayrollReports.h"

#include <QDialog>

#include <filesystem>
#include <functional>

class QComboBox;
class QLabel;
class QTableWidget;

namespace tallyrin {

class Operator;
class PrintDevice;
struct YearEnd;

class frmReport : public QDialog
{
    Q_OBJECT
public:
    // `year` shows the year's report; otherwise the quarter chosen in the window. `openWorkbook`
    // opens a written workbook in the desktop's spreadsheet program (false when there is none).
    frmReport(const std::filesystem::path& folder, bool year, Operator& op, PrintDevice* device,
              std::function<bool(const std::filesystem::path&)> openWorkbook, QWidget* parent = nullptr);

    const PayrollReport& report() const { return m_report; }
    // The workbook "Excel" writes: "<folder>/Report q1 2009.xlsx".
    std::filesystem::path workbookPath() const;

    // Where "W-2 File for Filing..." asks to write; an empty path is Cancel. A save dialog unless
    // set otherwise.
    std::function<std::filesystem::path(const std::filesystem::path& proposed)> chooseSaveFile;

public slots:
    void cmdPrint_Click();
    void cmdExcel_Click();
    // The year only: the W-2s with the W-3, and the W-2 file for electronic filing. Nothing is
    // printed or written while anything they need is missing; every such thing is named.
    void cmdPrintW2_Click();
    void cmdW2File_Click();

private:
    void build();
    void chooseColumns(const QPoint& at);
    bool yearEndReady(const YearEnd& year, bool filing, const std::string& what);

    std::filesystem::path m_folder;
    bool m_year;
    Operator& m_op;
    PrintDevice* m_device;
    std::function<bool(const std::filesystem::path&)> m_openWorkbook;
    std::vector<ReportEmployee> m_staff;
    std::vector<W2Payee> m_payees;
    PayrollReport m_report;
    QComboBox* m_quarter = nullptr;
    QTableWidget* m_table;
    QTableWidget* m_formLines;
    QLabel* m_notes;
};

} // namespace tallyrin
