#include "forms/frmDate.h"

#include "app/WeekDate.h"

#include "platform/DatePicker.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {

frmDate::frmDate(std::string& rowDate, CalendarDate today, std::function<void()> refresh, QWidget* parent)
    : QDialog(parent)
    , m_picker(newDatePicker(this))
    , m_ok(new QPushButton(QStringLiteral("&OK"), this))
{
    setObjectName(QStringLiteral("frmDate"));
    setWindowTitle(QStringLiteral("Week Ending"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    layOutDateScreen(this, m_picker, m_ok);

    // The picker opens at the row's date; placing it is not a pick, so the row keeps its text
    // until the operator picks.
    m_binding.date(
        m_picker, rowDate,
        [](const QDate& picked) { return weekDateText({picked.year(), picked.month(), picked.day()}); },
        [today](const std::string& text) {
            const CalendarDate start = parseWeekDate(text).value_or(today);
            return QDate(start.year, start.month, start.day);
        });
    if (refresh)
        connect(&m_binding, &FormBinding::edited, this, std::move(refresh));
    m_binding.show();

    connect(m_picker, &QCalendarWidget::activated, this, &frmDate::cmdOK_Click);
    connect(m_ok, &QPushButton::clicked, this, &frmDate::cmdOK_Click);
}

void frmDate::DTPicker1_Change() { m_binding.commit(m_picker); }

void frmDate::cmdOK_Click()
{
    DTPicker1_Change();
    accept();
}

} // namespace tallyrin
