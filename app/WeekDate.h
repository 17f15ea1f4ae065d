// The period date box txtWeek and its date picker: reading the month/day/year text the program
// writes, and where the picker starts when it opens.
#pragma once

#include "app/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

// True for a real day of the Gregorian calendar (leap years included), years 1 to 9999.
bool isCalendarDate(int year, int month, int day);

// "12/31/2009" or "1/5/2010": month and day of one or two digits, a four-digit year, separated by
// slashes; spaces around the whole text are ignored. Anything else, or a day the calendar does
// not have ("2/29/2009"), gives nullopt.
std::optional<CalendarDate> parseWeekDate(std::string_view text);

// The date as the period date box shows it: "MM/DD/YYYY", 10 characters.
std::string weekDateText(CalendarDate date);


} // namespace tallyrin
