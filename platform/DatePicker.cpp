#include "platform/DatePicker.h"

#include <QCalendarWidget>
#include <QDate>

namespace tallyrin {

QCalendarWidget* newDatePicker(QWidget* parent)
{
    auto* picker = new QCalendarWidget(parent);
    picker->setObjectName(QStringLiteral("DTPicker1"));
    picker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    picker->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    picker->setGridVisible(true);
    return picker;
}

} // namespace tallyrin
