#include "forms/frmStaff.h"

#include "forms/DialogW2Name.h"
#include "platform/Named.h"
#include "platform/QtText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallyrin {
namespace {

// A cell that sorts by its own key (a number or a date as YYYYMMDD), not by its text.
class SortedItem : public QTableWidgetItem
{
public:
    SortedItem(const QString& text, double key)
        : QTableWidgetItem(text)
        , m_key(key)
    {
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        if (const auto* sorted = dynamic_cast<const SortedItem*>(&other))
            return m_key < sorted->m_key;
        return QTableWidgetItem::operator<(other);
    }

private:
    double m_key;
};

double dateKey(const std::string& date)
{
    // "MM/DD/YYYY"
    if (date.size() != 10)
        return 0;
    return std::stod(date.substr(6, 4)) * 10000 + std::stod(date.substr(0, 2)) * 100 + std::stod(date.substr(3, 2));
}

} // namespace

frmStaff::frmStaff(const std::filesystem::path& folder, Operator* op, QWidget* parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_op(op)
{
    setObjectName(QStringLiteral("frmStaff"));
    setWindowTitle(QStringLiteral("Employees"));
    auto* layout = new QVBoxLayout(this);
    auto* where = named<QLabel>(this, "lbFolder", QStringLiteral("Working folder: ") + toQt(folder.string()));
    layout->addWidget(where);
    auto* backups = new QLabel(QStringLiteral("Backups: ") + toQt((folder / "Backups").string()) +
                                   QStringLiteral(" (one before every payday that pastes; File > Restore... puts one back)"),
                               this);
    backups->setObjectName(QStringLiteral("lbBackups"));
    backups->setWordWrap(true);
    layout->addWidget(backups);
    m_filter = named<QLineEdit>(this, "txtFilter");
    m_filter->setPlaceholderText(QStringLiteral("Type to find an employee by name"));
    layout->addWidget(m_filter);
    m_table = named<QTableWidget>(this, "grdStaff");
    m_table->setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList headings;
    for (const char* c : kColumns)
        headings << QString::fromLatin1(c);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_table);
    if (m_op) {
        auto* w2Name = named<QPushButton>(this, "cmdW2Name", QStringLiteral("&W-2 Name..."));
        w2Name->setToolTip(QStringLiteral("The name and address the chosen employee's W-2 carries"));
        w2Name->setAutoDefault(false);
        layout->addWidget(w2Name, 0, Qt::AlignLeft);
        connect(w2Name, &QPushButton::clicked, this, &frmStaff::editW2Name);
    }

    const std::vector<StaffMember> staff = readStaff(folder);
    m_table->setRowCount(static_cast<int>(staff.size()));
    for (int r = 0; r < static_cast<int>(staff.size()); ++r) {
        const StaffRow row = staffRow(staff[static_cast<size_t>(r)]);
        std::string damaged;
        for (const auto& [file, why] : row.damaged)
            damaged += (damaged.empty() ? "" : "; ") + file + ": " + why;
        const auto money = [](int64_t cents) { return toQt(centsText(cents)); };
        QTableWidgetItem* cells[] = {
            new QTableWidgetItem(toQt(row.user)),
            new QTableWidgetItem(toQt(row.frequency)),
            new QTableWidgetItem(toQt(row.federal)),
            new QTableWidgetItem(toQt(row.state)),
            new SortedItem(QString::number(row.periods), row.periods),
            new SortedItem(toQt(row.lastDate), dateKey(row.lastDate)),
            new SortedItem(money(row.ytdGross), static_cast<double>(row.ytdGross)),
            new SortedItem(money(row.ytdNet), static_cast<double>(row.ytdNet)),
            new QTableWidgetItem(row.selfEmployed ? QStringLiteral("Yes") : QString()),
            new QTableWidgetItem(damaged.empty() ? QString() : QStringLiteral("DAMAGED: ") + toQt(damaged)),
        };
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
            if (c >= 4 && c <= 7)
                cells[c]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!damaged.empty())
                cells[c]->setForeground(Qt::red);
            m_table->setItem(r, c, cells[c]);
        }
        if (!damaged.empty())
            cells[9]->setToolTip(toQt(damaged));
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    if (m_table->rowCount() > 0)
        m_table->selectRow(0);
    resize(900, 480);

    connect(m_filter, &QLineEdit::textChanged, this, &frmStaff::filter);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row); });
    m_filter->setFocus();
}

void frmStaff::filter(const QString& text)
{
    int first = -1;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const bool shown = m_table->item(r, 0)->text().contains(text, Qt::CaseInsensitive);
        m_table->setRowHidden(r, !shown);
        if (shown && first < 0)
            first = r;
    }
    if (first >= 0)
        m_table->selectRow(first);
    else
        m_table->clearSelection();
}

void frmStaff::choose(int row)
{
    if (row < 0 || row >= m_table->rowCount() || m_table->isRowHidden(row))
        return;
    m_chosen = toStd(m_table->item(row, 0)->text());
    accept();
}

void frmStaff::editW2Name()
{
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    if (selected.isEmpty() || !m_op)
        return;
    DialogW2Name screen(m_folder, toStd(m_table->item(selected.first()->row(), 0)->text()), *m_op, this);
    screen.exec();
    m_filter->setFocus();
}

void frmStaff::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QList<QTableWidgetItem*> selected = m_table->selectedItems();
        if (!selected.isEmpty())
            choose(selected.first()->row());
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tallyrin
