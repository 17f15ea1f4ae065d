#include "forms/frmReport.h"

#include "app/Clock.h"
#include "app/StaffFolder.h"
#include "platform/Named.h"
#include "platform/DialogOwner.h"
#include "platform/QtText.h"
#include "platform/xlsx/XlsxWorkbook.h"
#include "print/PayPrints.h"
#include "print/PrintDevice.h"
#include "text/FileStore.h"
#include "text/Numbers.h"
#include "text/Operator.h"
#include "yearend/Efw2File.h"
#include "yearend/W2Prints.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

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
        m_quarter = named<QComboBox>(this, "cboQuarter");
        for (ReportPeriod q : {ReportPeriod::Q1, ReportPeriod::Q2, ReportPeriod::Q3, ReportPeriod::Q4})
            m_quarter->addItem(toQt(reportPeriodTitle(q)));
        layout->addWidget(m_quarter);
        connect(m_quarter, &QComboBox::currentIndexChanged, this, [this] { build(); });
    }
    m_table = named<QTableWidget>(this, "grdReport");
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    // The amounts' columns under the forms' words; a right click on the headings chooses which
    // show. Those a W-2 and the 941 need show first, so the table fits a 1280 x 800 screen.
    m_table->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table->horizontalHeader(), &QWidget::customContextMenuRequested, this, &frmReport::chooseColumns);
    layout->addWidget(m_table, 3);
    auto* formsCaption = named<QLabel>(this, "lbFormLines", year ? QStringLiteral("Form 941 and Form 940 lines") : QStringLiteral("Form 941 lines"));
    layout->addWidget(formsCaption);
    m_formLines = named<QTableWidget>(this, "grdFormLines");
    m_formLines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_formLines->setColumnCount(3);
    m_formLines->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Words"), QStringLiteral("Amount")});
    m_formLines->verticalHeader()->hide();
    m_formLines->horizontalHeader()->setStretchLastSection(false);
    layout->addWidget(m_formLines, 2);
    m_notes = named<QLabel>(this, "lbNotes");
    m_notes->setWordWrap(true);
    layout->addWidget(m_notes);
    auto* buttons = new QHBoxLayout;
    auto* print = named<QPushButton>(this, "cmdPrint", QStringLiteral("&Print"));
    auto* excel = named<QPushButton>(this, "cmdExcel", QStringLiteral("&Excel"));
    auto* close = named<QPushButton>(this, "cmdClose", QStringLiteral("&Close"));
    for (auto* b : {print, excel})
        buttons->addWidget(b);
    if (m_year) {
        auto* w2 = named<QPushButton>(this, "cmdPrintW2", QStringLiteral("Print &W-2s"));
        auto* file = named<QPushButton>(this, "cmdW2File", QStringLiteral("W-2 &File for Filing..."));
        buttons->addWidget(w2);
        buttons->addWidget(file);
        connect(w2, &QPushButton::clicked, this, &frmReport::cmdPrintW2_Click);
        connect(file, &QPushButton::clicked, this, &frmReport::cmdW2File_Click);
    }
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &frmReport::cmdPrint_Click);
    connect(excel, &QPushButton::clicked, this, &frmReport::cmdExcel_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    chooseSaveFile = [this](const std::filesystem::path& proposed) {
        const QString chosen = QFileDialog::getSaveFileName(askingWindow(this), QStringLiteral("W-2 File for Filing"),
                                                            toQt(proposed.string()));
        return std::filesystem::path(toStd(chosen));
    };
    StaffReport staff = readStaffReport(folder);
    m_staff = std::move(staff.employees);
    m_payees = std::move(staff.payees);
    resize(1180, 640); // within a 1280 x 800 screen
    build();
}

namespace {

// The columns shown at first: what the W-2s and the 941 are made of.
bool shownAtFirst(size_t key, bool year)
{
    switch (key) {
    case FederalWages:
    case FederalTax:
    case SsWages:
    case SsTips:
    case SsTax:
    case MedicareWages:
    case MedicareTax:
    case Gross:
        return true;
    case FutaWages:
        return year;
    default:
        return false;
    }
}

QTableWidgetItem* amountItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

void frmReport::build()
{
    const ReportPeriod period = m_year ? ReportPeriod::Year : static_cast<ReportPeriod>(m_quarter->currentIndex());
    m_report = payrollReport(period, m_staff);
    const bool firstBuild = m_table->columnCount() == 0;
    m_table->clear();
    QStringList headings{QStringLiteral("Employee"), QStringLiteral("Periods")};
    for (const char* caption : kReportCaptions)
        headings << QString::fromLatin1(caption);
    headings << QStringLiteral("Self-employed");
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setRowCount(0);
    const auto addRow = [this](const std::string& user, const ReportFigures& f, bool selfEmployed) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        m_table->setItem(row, 0, new QTableWidgetItem(toQt(user)));
        m_table->setItem(row, 1, amountItem(QString::number(f.periods)));
        for (size_t k = 0; k < f.cents.size(); ++k)
            m_table->setItem(row, 2 + static_cast<int>(k), amountItem(toQt(centsText(f.cents[k]))));
        m_table->setItem(row, 2 + static_cast<int>(f.cents.size()),
                         new QTableWidgetItem(selfEmployed ? QStringLiteral("yes") : QString()));
    };
    for (const ReportLine& line : m_report.employees)
        addRow(line.user, line.figures, line.selfEmployed);
    addRow("TOTALS", m_report.totals, false);
    if (firstBuild)
        for (size_t k = 0; k < kReportCaptions.size(); ++k)
            m_table->setColumnHidden(2 + static_cast<int>(k), !shownAtFirst(k, m_year));
    // Narrow columns: the headings wrap onto a few lines instead of widening the table.
    QHeaderView* header = m_table->horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    m_table->resizeColumnsToContents();
    for (int c = 2; c < m_table->columnCount(); ++c)
        m_table->setColumnWidth(c, std::min(m_table->columnWidth(c), 120));
    header->setMinimumHeight(header->fontMetrics().height() * 3 + 8);

    const std::vector<FormLine> lines = formLines(m_report);
    m_formLines->setRowCount(static_cast<int>(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        m_formLines->setItem(row, 0, new QTableWidgetItem(QString::fromLatin1(lines[i].number)));
        m_formLines->setItem(row, 1, new QTableWidgetItem(QString::fromLatin1(lines[i].words)));
        m_formLines->setItem(row, 2, amountItem(toQt(lines[i].value)));
    }
    m_formLines->resizeColumnsToContents();

    QStringList notes;
    for (const std::string& w : m_report.warnings)
        notes << toQt(w);
    m_notes->setText(notes.join(QLatin1Char('\n')));
}

void frmReport::chooseColumns(const QPoint& at)
{
    QMenu menu(this);
    for (int c = 2; c < m_table->columnCount(); ++c) {
        QAction* action = menu.addAction(m_table->horizontalHeaderItem(c)->text());
        action->setCheckable(true);
        action->setChecked(!m_table->isColumnHidden(c));
        connect(action, &QAction::toggled, this, [this, c](bool shown) { m_table->setColumnHidden(c, !shown); });
    }
    menu.exec(m_table->horizontalHeader()->mapToGlobal(at));
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

namespace tallyrin {

bool frmReport::yearEndReady(const YearEnd& year, bool filing, const std::string& what)
{
    std::vector<std::string> problems = year.problems;
    if (filing)
        problems.insert(problems.end(), year.filingProblems.begin(), year.filingProblems.end());
    const auto lines = [](const std::vector<std::string>& list) {
        std::string text;
        for (const std::string& line : list)
            text += "\r\n" + line;
        return text;
    };
    if (!problems.empty()) {
        m_op.message(what + " cannot be made yet. First put right:" + lines(problems), Icon::Exclamation, "Year End");
        return false;
    }
    if (year.warnings.empty())
        return true;
    return m_op.askYesNo("Year End", "Look at these before " + what + " go out:" + lines(year.warnings) +
                                         "\r\n\r\nGo on?");
}

void frmReport::cmdPrintW2_Click()
{
    if (!m_device)
        return;
    const YearEnd year = readYearEnd(m_folder);
    if (!yearEndReady(year, false, "The W-2s"))
        return;
    PrintDocument document;
    PrintW2s(document, year);
    const std::string name = "W-2s 2009";
    if (!m_device->choosePrinter(name))
        return;
    if (!m_device->print(document, name))
        m_op.message("The W-2s could not be printed.", Icon::Exclamation);
}

void frmReport::cmdW2File_Click()
{
    const YearEnd year = readYearEnd(m_folder);
    if (!yearEndReady(year, true, "The W-2 file"))
        return;
    const std::filesystem::path file = chooseSaveFile ? chooseSaveFile(m_folder / "W2REPORT.txt") : std::filesystem::path();
    if (file.empty())
        return;
    if (const FileOutcome written = writeOutputFile(file, efw2File(year)); written.failed()) {
        m_op.message(written.message(), Icon::Exclamation);
        return;
    }
    m_op.message("The W-2 file of " + std::to_string(year.forms.size()) + " employees was written:\r\n" +
                     file.string() + "\r\nUpload it through the SSA's Business Services Online.",
                 Icon::Information, "Year End");
}

} // namespace tallyrin
