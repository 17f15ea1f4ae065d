// Today's date comes from a clock passed in, so tests can fix the day.
#pragma once

#include <functional>

namespace tallyrin {

struct CalendarDate
{
    int year = 2009;
    int month = 1;
    int day = 1;
};

using Clock = std::function<CalendarDate()>;

// The machine's local date.
CalendarDate systemToday();

} // namespace tallyrin
