#include "screens/Form1Screen.h"

#include "app/PaydayRun.h"

namespace tallyrin {

CalendarDate datePickerStart(Form1Screen& form1, CalendarDate today)
{
    if (form1.txtWeek.empty())
        return today;
    if (const auto date = parseWeekDate(form1.txtWeek))
        return *date;
    form1.setWeek(weekDateText(today));
    return today;
}

std::vector<std::pair<std::string, std::string>> payFormLabels(const Form1Screen& form1)
{
    return payFormLabels(form1.resultLabels(), form1.lbTaxVer);
}

} // namespace tallyrin
