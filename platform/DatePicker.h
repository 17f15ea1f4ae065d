// The date picker DTPicker1 as every date screen shows it: a month calendar over the dates a
// period date text can hold (four-digit years), with a grid and no week numbers. A month or year
// typed in its header, or chosen with its arrows, moves the picked date with it.
#pragma once

class QCalendarWidget;
class QWidget;

namespace tallyrin {

QCalendarWidget* newDatePicker(QWidget* parent);

} // namespace tallyrin
