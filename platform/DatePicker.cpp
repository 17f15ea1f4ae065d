#include "platform/DatePicker.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyrin {

QCalendarWidget* newDatePicker(QWidget* parent)
{
    auto* picker = new QCalendarWidget(parent);
    picker->setObjectName(QStringLiteral("DTPicker1"));
    picker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    picker->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    picker->setGridVisible(true);
    // A new month or year in the header (typed, or chosen with the arrows) moves the picked date
    // with it, on the same day of the month where that month has it, and so writes the date.
    QObject::connect(picker, &QCalendarWidget::currentPageChanged, picker, [picker](int year, int month) {
        const QDate picked = picker->selectedDate();
        if (picked.year() == year && picked.month() == month)
            return;
        const QDate first(year, month, 1);
        picker->setSelectedDate(first.addDays(std::min(picked.day(), first.daysInMonth()) - 1));
    });
    return picker;
}

void layOutDateScreen(QDialog* dialog, QCalendarWidget* picker, QPushButton* ok)
{
    dialog->setModal(true);
    ok->setDefault(false);
    ok->setAutoDefault(false);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(picker);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tallyrin
