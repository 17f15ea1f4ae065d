#include "forms/frmDate.h"

#include "app/WeekDate.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tallyrin {

frmDate::frmDate(std::string& rowDate, CalendarDate today, std::function<void()> refresh, QWidget* parent)
    : QDialog(parent)
    , m_rowDate(rowDate)
    , m_refresh(std::move(refresh))
    , m_picker(new QCalendarWidget(this))
    , m_ok(new QPushButton(QStringLiteral("&OK"), this))
{
    setObjectName(QStringLiteral("frmDate"));
    setWindowTitle(QStringLiteral("Week Ending"));
    setModal(true);
    m_picker->setObjectName(QStringLiteral("DTPicker1"));
    m_picker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    m_picker->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_picker->setGridVisible(true);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);

    const CalendarDate start = parseWeekDate(m_rowDate).value_or(today);
    {
        // Placing the picker is not a pick: the row keeps its text until the operator picks.
        const QSignalBlocker quiet(m_picker);
        m_picker->setSelectedDate(QDate(start.year, start.month, start.day));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picker);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_picker, &QCalendarWidget::selectionChanged, this, &frmDate::DTPicker1_Change);
    connect(m_picker, &QCalendarWidget::clicked, this, &frmDate::DTPicker1_Change);
    connect(m_picker, &QCalendarWidget::activated, this, &frmDate::cmdOK_Click);
    connect(m_ok, &QPushButton::clicked, this, &frmDate::cmdOK_Click);
}

void frmDate::DTPicker1_Change()
{
    const QDate picked = m_picker->selectedDate();
    m_rowDate = weekDateText({picked.year(), picked.month(), picked.day()});
    if (m_refresh)
        m_refresh();
}

void frmDate::cmdOK_Click()
{
    DTPicker1_Change();
    accept();
}

} // namespace tallyrin
