// The date picker DTPicker1 as every date screen shows it: a month calendar over the dates a
// period date text can hold (four-digit years), with a grid and no week numbers. A month or year
// typed in its header, or chosen with its arrows, moves the picked date with it.
#pragma once

class QCalendarWidget;
class QDialog;
class QPushButton;
class QWidget;

namespace tallyrin {

QCalendarWidget* newDatePicker(QWidget* parent);

// A modal date screen: the picker over its OK button, which is not a default button (Enter in the
// calendar's year box takes the year and leaves the picker open; Enter on a day picks it, through
// the picker's `activated`), at a fixed size.
void layOutDateScreen(QDialog* dialog, QCalendarWidget* picker, QPushButton* ok);

} // namespace tallyrin
