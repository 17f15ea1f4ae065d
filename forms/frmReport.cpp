#include "forms/frmReport.h"

#include "app/Clock.h"
#include "app/StaffFolder.h"
#include "platform/QtText.h"
#include "platform/xlsx/XlsxWorkbook.h"
#include "print/PayPrints.h"
#include "print/PrintDevice.h"
#include "text/Numbers.h"
#include "text/Operator.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallyrin {

frmReport::frmReport(const std::filesystem::path& folder, bool year, Operator& op, PrintDevice* device,
                     std::function<bool(const std::filesystem::path&)> openWorkbook, QWidget* parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_year(year)
    , m_op(op)
    , m_device(device)
    , m_openWorkbook(std::move(openWorkbook))
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(year ? QStringLiteral("Year End (W-2, 940)") : QStringLiteral("Quarter"));
    auto* layout = new QVBoxLayout(this);
    if (!year) {
        m_quarter = new QComboBox(this);
        m_quarter->setObjectName(QStringLiteral("cboQuarter"));
        for (ReportPeriod q : {ReportPeriod::Q1, ReportPeriod::Q2, ReportPeriod::Q3, ReportPeriod::Q4})
            m_quarter->addItem(toQt(reportPeriodTitle(q)));
        layout->addWidget(m_quarter);
        connect(m_quarter, &QComboBox::currentIndexChanged, this, [this] { build(); });
    }
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("grdReport"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_table);
    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("lbNotes"));
    m_notes->setWordWrap(true);
    layout->addWidget(m_notes);
    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    auto* excel = new QPushButton(QStringLiteral("&Excel"), this);
    excel->setObjectName(QStringLiteral("cmdExcel"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    for (auto* b : {print, excel, close})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &frmReport::cmdPrint_Click);
    connect(excel, &QPushButton::clicked, this, &frmReport::cmdExcel_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    for (const StaffMember& m : readStaff(folder)) {
        m_staff.push_back(reportEmployee(m));
        const EmployeeProfile& p = m.employee.profile;
        m_payees.push_back({m.user, p.EmpName, p.EmpAddress, p.EmpCityStateZip, p.EmpSsn});
    }
    resize(1100, 520);
    build();
}

void frmReport::build()
{
    const ReportPeriod period = m_year ? ReportPeriod::Year : static_cast<ReportPeriod>(m_quarter->currentIndex());
    m_report = payrollReport(period, m_staff);
    // The table as the command line prints it: a heading line, one line per employee, TOTALS and
    // the forms' lines.
    QStringList lines = toQt(reportTable(m_report, '\t')).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList headings = lines.takeFirst().split(QLatin1Char('\t'));
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    QStringList notes;
    int row = 0;
    m_table->setRowCount(0);
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.first() == QLatin1String("NOTE")) {
            notes << fields.value(1);
            continue;
        }
        m_table->insertRow(row);
        for (int c = 0; c < fields.size(); ++c)
            m_table->setItem(row, c, new QTableWidgetItem(fields[c]));
        ++row;
    }
    m_table->resizeColumnsToContents();
    m_notes->setText(notes.join(QLatin1Char('\n')));
}

std::filesystem::path frmReport::workbookPath() const
{
    return m_folder / ("Report " + reportPeriodKey(m_report.period) + " 2009.xlsx");
}

void frmReport::cmdPrint_Click()
{
    if (!m_device)
        return;
    CompanyHeader header;
    if (const FileOutcome heading = LoadHeader(m_folder, header); heading.failed()) {
        m_op.message(heading.message(), Icon::Exclamation);
        return;
    }
    const CalendarDate d = systemToday();
    PrintDocument document;
    PrintReport(document, header, m_report, m_payees, shortDateText(d.year, d.month, d.day));
    const std::string name = "Report " + reportPeriodKey(m_report.period) + " 2009";
    if (!m_device->choosePrinter(name))
        return; // Cancel prints nothing
    if (!m_device->print(document, name))
        m_op.message("The report could not be printed.", Icon::Exclamation);
}

void frmReport::cmdExcel_Click()
{
    const std::filesystem::path file = workbookPath();
    if (const FileOutcome written = writeXlsxWorkbook(reportWorksheet(m_report), file); written.failed()) {
        m_op.message(written.message(), Icon::Exclamation);
        return;
    }
    if (!m_openWorkbook || !m_openWorkbook(file))
        m_op.message("The report was saved as a workbook:\r\n" + file.string(), Icon::Information);
}

} // namespace tallyrin
