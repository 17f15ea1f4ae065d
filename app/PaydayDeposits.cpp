#include "app/PaydayDeposits.h"

#include "app/WeekDate.h"
#include "bank/AchFile.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

#include <cstdio>

namespace tallyrin {
namespace {

// "MM/DD/YYYY" as "YYMMDD"; "" when it is no date.
std::string achDate(const std::string& date)
{
    const auto d = parseWeekDate(date);
    if (!d)
        return "";
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", d->year % 100, d->month, d->day);
    return text;
}

// Later dates compare greater.
std::string sortable(const std::string& date) { return date.size() == 10 ? date.substr(6) + date.substr(0, 5) : date; }

} // namespace

PaydayDeposits paydayDeposits(const std::vector<PaydayLine>& lines, const EmployerFacts& employer,
                              const std::string& date)
{
    PaydayDeposits d;
    AchPayday payday;
    payday.originator = {employer.Name, employer.CompanyId, employer.BankRouting, employer.BankName};
    d.date = date;
    for (const PaydayLine& line : lines) {
        const std::string who = "Line " + std::to_string(line.line) + ", " + line.user + ": ";
        if (!line.depositProblem.empty())
            d.problems.push_back(who + line.depositProblem + ".");
        if (!line.deposit || !(line.paid || line.alreadyPaid))
            continue;
        for (const std::string& p : depositAccountProblems(*line.deposit))
            d.problems.push_back(who + p + ".");
        const Currency net = fullCurrency(line.net).value_or(Currency{});
        if (net.count() <= 0)
            d.problems.push_back(who + "the net pay " + line.net + " cannot be deposited: it is not above 0.");
        payday.entries.push_back(
            {line.deposit->Routing, line.deposit->Account, line.deposit->savings(), net, line.user, line.depositName});
        ++d.entries;
        d.total += net;
        if (date.empty() && sortable(line.date) > sortable(d.date))
            d.date = line.date;
    }
    if (d.entries == 0 && d.problems.empty()) {
        d.nobody = true;
        return d;
    }
    // The employer's side first.
    std::vector<std::string> side;
    if (employer.CompanyId.empty())
        side.push_back("The employer file has no company ID (Options > Employer...).");
    else if (employer.CompanyId.size() > 10)
        side.push_back("The company ID \"" + employer.CompanyId + "\" is longer than 10 characters.");
    if (employer.BankRouting.empty())
        side.push_back("The employer file has no bank routing number (Options > Employer...).");
    else if (!routingNumberValid(employer.BankRouting))
        side.push_back("The bank routing number \"" + employer.BankRouting +
                             "\" is not nine digits with a right check digit.");
    d.problems.insert(d.problems.begin(), side.begin(), side.end());

    payday.date = achDate(d.date);
    if (payday.date.empty())
        d.problems.push_back("The payday's date \"" + d.date + "\" is not a date MM/DD/YYYY.");
    if (d.problems.empty())
        d.file = achFile(payday);
    return d;
}

PaydayDeposits writePaydayDeposits(const std::filesystem::path& folder, const std::vector<PaydayLine>& lines,
                                   const std::string& date, const std::filesystem::path& target, bool& written)
{
    written = false;
    EmployerFacts employer;
    const FileOutcome read = LoadEmployer(folder, employer);
    PaydayDeposits d = paydayDeposits(lines, employer, date);
    if (d.nobody)
        return d;
    if (read.failed())
        d.problems.insert(d.problems.begin(), messages::plainLines(read.message()));
    else if (!read.found())
        d.problems.insert(d.problems.begin(), "The folder has no employer file (Options > Employer...).");
    if (!d.problems.empty())
        return d;
    const FileOutcome saved = writeOutputFile(target, d.file);
    if (saved.failed())
        d.problems.push_back(messages::plainLines(saved.message()));
    written = !saved.failed();
    return d;
}

} // namespace tallyrin
