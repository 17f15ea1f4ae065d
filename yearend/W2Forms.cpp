#include "yearend/W2Forms.h"

#include "app/StaffFolder.h"
#include "state/BuiltInStates.h"
#include "text/Trim.h"
#include "text/Words.h"
#include "yearend/Efw2File.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace tallyrin {
namespace {

// The built-in states' postal codes, in the order of their methods.
constexpr const char* kBuiltInCodes[] = {"AZ", "LA", "IA", "MO", "MA", "OR", "UT", "AL", "KY", "WI", "NC"};
static_assert(std::size(kBuiltInCodes) == std::tuple_size_v<std::decay_t<decltype(builtInStates())>>);


// Social security tax of the wages and tips at 6.2 %, in whole cents.
int64_t socialSecurityTaxOf(int64_t cents) { return (cents * 62 + 500) / 1000; }

} // namespace

std::string ssnDigits(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
        else if (c != '-' && c != ' ')
            return "";
    }
    return digits.size() == 9 ? digits : "";
}

std::string ssnText(const std::string& d) { return d.size() == 9 ? d.substr(0, 3) + "-" + d.substr(3, 2) + "-" + d.substr(5) : d; }

std::string einText(const std::string& d) { return d.size() == 9 ? d.substr(0, 2) + "-" + d.substr(2) : d; }

std::string builtInStateCode(size_t index) { return index < std::size(kBuiltInCodes) ? kBuiltInCodes[index] : ""; }

YearEnd yearEndOf(const std::vector<StaffMember>& staff, const EmployerFacts& employer, const FileOutcome& employerRead)
{
    YearEnd out;
    out.employer = employer;
    if (employerRead.kind == FileOutcome::Kind::Missing)
        out.problems.push_back("There are no employer's facts (Employer.sav): give them under Options > Employer...");
    else if (employerRead.failed())
        out.problems.push_back("Employer.sav could not be read whole; give the employer's facts again under "
                               "Options > Employer...");
    else {
        if (employer.Ein.empty())
            out.problems.push_back("The employer's EIN is missing (Options > Employer...).");
        if (employer.Name.empty())
            out.problems.push_back("The employer's name is missing (Options > Employer...).");
        for (const std::string& p : employerProblems(employer))
            out.problems.push_back(p);
        if (employer.UserId.empty())
            out.filingProblems.push_back("The submitter's SSA User ID is missing (Options > Employer...).");
        if (employer.Street.empty() || employer.City.empty() || employer.State.empty() || employer.Zip.empty())
            out.warnings.push_back("The employer's address is not complete (Options > Employer...).");
        if (employer.ContactName.empty() || employer.ContactPhone.empty())
            out.warnings.push_back("The contact's name or phone is missing (Options > Employer...); the SSA asks "
                                   "for both.");
    }

    std::vector<ReportEmployee> employees;
    std::map<std::string, const StaffMember*> byUser;
    for (const StaffMember& m : staff) {
        for (const auto& [file, why] : m.damaged)
            out.problems.push_back(m.user + ": " + file + " is damaged: " + why);
        employees.push_back(reportEmployee(m));
        byUser[m.user] = &m;
    }
    const PayrollReport report = payrollReport(ReportPeriod::Year, employees);
    for (const std::string& w : report.warnings)
        out.warnings.push_back(w);

    for (const ReportLine& line : report.employees) {
        if (line.selfEmployed) {
            out.selfEmployed.push_back(line.user);
            continue;
        }
        const StaffMember& m = *byUser.at(line.user);
        const EmployeeProfile& p = m.employee.profile;
        W2Form form;
        form.user = line.user;
        form.figures = line.figures;
        const auto problem = [&](const std::string& text) { out.problems.push_back(line.user + ": " + text); };
        form.ssn = ssnDigits(p.EmpSsn);
        form.ssnShown = std::string(trimmed(p.EmpSsn));
        if (form.ssn.empty())
            problem("the social security number \"" + p.EmpSsn + "\" is not nine digits");
        std::vector<std::string> nameProblems, notes;
        form.name = w2NameOf(p, m.employee.w2Name, nameProblems, notes);
        for (const std::string& n : nameProblems)
            problem(n);
        for (const std::string& n : notes)
            out.warnings.push_back(line.user + ": " + n);
        for (size_t key : {FederalWages, FederalTax, SsWages, SsTax, MedicareWages, MedicareTax, SsTips, KPlan,
                           StateWages, StateTax, LocalWages, LocalTax, Sdi})
            if (form.box(key) < 0)
                problem(std::string(kReportCaptions[key]) + " is below zero (" + centsText(form.box(key)) + ")");

        const int64_t ssPaid = form.box(SsWages) + form.box(SsTips);
        if (ssPaid > kSocialSecurityWageBase)
            out.warnings.push_back(line.user + ": social security wages and tips " + centsText(ssPaid) +
                                   " are above the wage base of 106800.00");
        const int64_t off = form.box(SsTax) - socialSecurityTaxOf(ssPaid);
        if (off > line.figures.periods || -off > line.figures.periods)
            out.warnings.push_back(line.user + ": social security tax " + centsText(form.box(SsTax)) +
                                   " is not 6.2 % of the wages and tips " + centsText(ssPaid) +
                                   " within a cent a period (" + centsText(socialSecurityTaxOf(ssPaid)) + ")");

        form.retirementPlan = form.box(KPlan) > 0 || form.box(Pension) > 0;
        if (form.box(StateTax) != 0) {
            const auto& states = builtInStates();
            for (size_t i = 0; i < states.size(); ++i)
                if (m.employee.state.*states[i].flag != 0)
                    form.state = builtInStateCode(i);
            if (form.state.empty())
                form.state = upperCase(employer.State);
            // Without a state to name, box 15 stays blank and the file holds no state record: the
            // W-2 is still right for the SSA, and the clerk is told.
            if (!form.state.empty() && stateNumericCode(form.state).empty()) {
                out.warnings.push_back(line.user + ": the state \"" + form.state +
                                       "\" is not a state's postal code; box 15 stays blank");
                form.state.clear();
            } else if (form.state.empty()) {
                out.warnings.push_back(line.user + ": state tax was withheld, but neither a built-in state nor the "
                                       "employer's state (Options > Employer...) says which; box 15 stays blank");
            }
        }
        if (form.box(LocalTax) != 0)
            form.locality = employer.City.empty() ? "LOCAL" : upperCase(employer.City);
        for (size_t k = 0; k < kReportKeys.size(); ++k)
            out.totals.cents[k] += form.figures.cents[k];
        out.totals.periods += form.figures.periods;
        out.forms.push_back(std::move(form));
    }
    const bool anyState = std::any_of(out.forms.begin(), out.forms.end(), [](const W2Form& f) { return !f.state.empty(); });
    if (anyState && employer.StateAccount.empty())
        out.warnings.push_back("The employer's state account number (box 15) is missing (Options > Employer...).");
    if (out.forms.empty() && out.problems.empty())
        out.problems.push_back("No employee has a 2009 ledger row that a W-2 would report.");
    return out;
}

YearEnd readYearEnd(const std::filesystem::path& folder)
{
    EmployerFacts employer;
    const FileOutcome read = LoadEmployer(folder, employer);
    return yearEndOf(readStaff(folder), employer, read);
}

} // namespace tallyrin
