#include "app/WeekDate.h"

#include "text/Numbers.h"
#include "text/Trim.h"

namespace tallyrin {

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Reads between `min` and `max` decimal digits at `pos`; nullopt when there are fewer or more.
std::optional<int> digits(std::string_view text, std::size_t& pos, std::size_t min, std::size_t max)
{
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        if (pos - start > max)
            return std::nullopt;
    }
    if (pos - start < min)
        return std::nullopt;
    return value;
}


} // namespace

bool isCalendarDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

std::optional<CalendarDate> parseWeekDate(std::string_view text)
{
    text = trimmed(text);
    std::size_t pos = 0;
    const auto month = digits(text, pos, 1, 2);
    if (!month || pos >= text.size() || text[pos++] != '/')
        return std::nullopt;
    const auto day = digits(text, pos, 1, 2);
    if (!day || pos >= text.size() || text[pos++] != '/')
        return std::nullopt;
    const auto year = digits(text, pos, 4, 4);
    if (!year || pos != text.size() || !isCalendarDate(*year, *month, *day))
        return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

std::string weekDateText(CalendarDate date) { return dateText(date.year, date.month, date.day); }


} // namespace tallyrin
