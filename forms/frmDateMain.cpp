#include "forms/frmDateMain.h"

#include "screens/Form1Screen.h"
#include "app/WeekDate.h"
#include "session/Workspace.h"

#include "platform/DatePicker.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyrin {

frmDateMain::frmDateMain(Form1Screen& form1, Clock clock, std::function<void()> refreshWeek, QWidget* parent)
    : QDialog(parent)
    , m_form1(form1)
    , m_clock(std::move(clock))
    , m_refreshWeek(std::move(refreshWeek))
    , m_picker(newDatePicker(this))
    , m_ok(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("frmDateMain"));
    setWindowTitle(QStringLiteral("Date"));

    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setMinimumWidth(90); // Space on "Ok" presses it
    layOutDateScreen(this, m_picker, m_ok);

    connect(m_picker, &QCalendarWidget::selectionChanged, this, &frmDateMain::DTPicker1_Change);
    connect(m_picker, &QCalendarWidget::clicked, this, &frmDateMain::DTPicker1_Change);
    // Enter or a double click on a day picks it and closes, as "Ok" does.
    connect(m_picker, &QCalendarWidget::activated, this, &frmDateMain::Command1_Click);
    connect(m_ok, &QPushButton::clicked, this, &frmDateMain::Command1_Click);
}

frmDateMain::frmDateMain(Workspace& ws, std::function<void()> refreshWeek, QWidget* parent)
    : frmDateMain(
          ws.form1, [&ws] { return ws.today(); }, std::move(refreshWeek), parent)
{
}

void frmDateMain::showEvent(QShowEvent* event)
{
    const std::string before = m_form1.txtWeek;
    const CalendarDate start = datePickerStart(m_form1, m_clock());
    {
        // Placing the picker is not the operator's pick: txtWeek keeps its text (an empty box
        // stays empty until a date is picked).
        const QSignalBlocker quiet(m_picker);
        m_picker->setSelectedDate(QDate(start.year, start.month, start.day));
    }
    if (m_form1.txtWeek != before && m_refreshWeek)
        m_refreshWeek();
    m_picker->setFocus();
    QDialog::showEvent(event);
}

void frmDateMain::DTPicker1_Change()
{
    const QDate picked = m_picker->selectedDate();
    m_form1.setWeek(weekDateText({picked.year(), picked.month(), picked.day()}));
    if (m_refreshWeek)
        m_refreshWeek();
}

void frmDateMain::Command1_Click()
{
    DTPicker1_Change();
    accept();
}

} // namespace tallyrin
