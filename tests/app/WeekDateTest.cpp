#include "app/WeekDate.h"
#include "screens/Form1Screen.h"

#include <gtest/gtest.h>
#include <string>

namespace tallyrin {
namespace {

bool operator==(const CalendarDate& a, const CalendarDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

TEST(WeekDateTest, ReadsTheDatesTheProgramWrites)
{
    struct Row
    {
        const char* text;
        CalendarDate date;
    };
    const Row rows[] = {
        {"12/31/2009", {2009, 12, 31}}, {"1/5/2010", {2010, 1, 5}},    {"01/05/2010", {2010, 1, 5}},
        {"2/29/2008", {2008, 2, 29}},   {"02/29/2000", {2000, 2, 29}}, {" 7/4/2009 ", {2009, 7, 4}},
        {"12/1/9999", {9999, 12, 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const auto date = parseWeekDate(row.text);
        ASSERT_TRUE(date.has_value());
        EXPECT_TRUE(*date == row.date);
    }
}

TEST(WeekDateTest, RefusesWhatIsNotACalendarDate)
{
    const char* rows[] = {
        "",          "TYPE NAME", "2/29/2009", "2/29/1900", "4/31/2009",        "13/1/2009",  "0/10/2009",
        "1/0/2009",  "1/32/2009", "12/31/09",  "1/5/20100", "001/5/2009",       "1/005/2009", "1-5-2009",
        "1/5/2009x", "1//2009",   "/5/2009",   "1/5/",      "12/31/2009 12:00", "-1/5/2009",  "1/5/0000",
    };
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseWeekDate(text).has_value());
    }
}

TEST(WeekDateTest, TextIsTenCharactersAndReadsBack)
{
    EXPECT_EQ(weekDateText({2010, 1, 5}), "01/05/2010");
    const auto back = parseWeekDate(weekDateText({2012, 2, 29}));
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(*back == (CalendarDate{2012, 2, 29}));
}

TEST(WeekDateTest, PickerStartsAtTheDateInTheBox)
{
    Form1Screen form1;
    form1.txtWeek = "3/7/2009";
    EXPECT_TRUE(datePickerStart(form1, {2010, 6, 15}) == (CalendarDate{2009, 3, 7}));
    EXPECT_EQ(form1.txtWeek, "3/7/2009"); // a valid text is left as the operator typed it
}

TEST(WeekDateTest, EmptyBoxStartsAtTodayAndStaysEmpty)
{
    Form1Screen form1;
    form1.txtWeek.clear();
    EXPECT_TRUE(datePickerStart(form1, {2010, 6, 15}) == (CalendarDate{2010, 6, 15}));
    EXPECT_EQ(form1.txtWeek, "");
}

TEST(WeekDateTest, InvalidBoxIsResetToToday)
{
    const char* rows[] = {"2/30/2009", "next week", "   ", "12/31/09"};
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        Form1Screen form1;
        form1.txtWeek = text;
        EXPECT_TRUE(datePickerStart(form1, {2010, 6, 15}) == (CalendarDate{2010, 6, 15}));
        EXPECT_EQ(form1.txtWeek, "06/15/2010");
    }
}

} // namespace
} // namespace tallyrin
