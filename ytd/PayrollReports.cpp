#include "ytd/PayrollReports.h"

#include "text/Numbers.h"

#include <algorithm>
#include <cmath>

namespace tallyrin {
namespace {

struct DatedRow
{
    int month = 0, day = 0, slot = 0;
    const YtdRow* row = nullptr;
};

bool holdsAmounts(const YtdRow& r)
{
    for (float v : {r.Federal, r.SocSec, r.Medicare, r.State, r.City, r.CreditUnion, r.Bond, r.Dues, r.Pension, r.Misc,
                    r.KPlan, r.Overtime, r.Gross, r.Net, r.Sdi, r.Sui, r.Cafeteria, r.Tips})
        if (v != 0)
            return true;
    return false;
}

bool inPeriod(ReportPeriod period, int month)
{
    if (period == ReportPeriod::Year)
        return true;
    return (month - 1) / 3 == static_cast<int>(period);
}

// Rounds a product of cents and a rate given in thousandths to whole cents, halves away from 0.
// (A staff's yearly wages in cents times 124 stays far inside 64 bits.)
int64_t timesThousandths(int64_t cents, int64_t thousandths)
{
    const int64_t product = cents * thousandths;
    return product >= 0 ? (product + 500) / 1000 : (product - 500) / 1000;
}

} // namespace

std::optional<ReportPeriod> reportPeriodNamed(const std::string& name)
{
    for (ReportPeriod p : {ReportPeriod::Q1, ReportPeriod::Q2, ReportPeriod::Q3, ReportPeriod::Q4, ReportPeriod::Year})
        if (reportPeriodKey(p) == name)
            return p;
    return std::nullopt;
}

std::string reportPeriodKey(ReportPeriod period)
{
    return period == ReportPeriod::Year ? "year" : "q" + std::to_string(static_cast<int>(period) + 1);
}

std::string reportPeriodTitle(ReportPeriod period)
{
    static const char* const kQuarters[] = {"1st Quarter 2009", "2nd Quarter 2009", "3rd Quarter 2009",
                                            "4th Quarter 2009"};
    return period == ReportPeriod::Year ? "Year 2009" : kQuarters[static_cast<int>(period)];
}

int64_t centsOf(float amount) { return std::llround(static_cast<double>(amount) * 100.0); }

std::string centsText(int64_t cents)
{
    const bool negative = cents < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
    std::string fraction = std::to_string(magnitude % 100);
    if (fraction.size() < 2)
        fraction.insert(0, "0");
    return (negative ? "-" : "") + std::to_string(magnitude / 100) + "." + fraction;
}

PayrollReport payrollReport(ReportPeriod period, const std::vector<ReportEmployee>& staff)
{
    PayrollReport report;
    report.period = period;
    for (const ReportEmployee& e : staff) {
        // The employee's 2009 rows in date order; rows with amounts but no date are left out.
        std::vector<DatedRow> rows;
        for (size_t slot = 0; slot < e.rows.size(); ++slot) {
            const YtdRow& r = e.rows[slot];
            const auto date = ledgerDate(r.Date);
            const std::string week = e.user + ": week " + std::to_string(slot + 1);
            if (!date) {
                if (holdsAmounts(r)) {
                    if (r.Date.empty() || r.Date == "0")
                        report.warnings.push_back(week + " holds amounts but no date (\"" + r.Date + "\"); it is left out.");
                    else
                        report.warnings.push_back(week + " holds amounts under \"" + r.Date +
                                                  "\", which is not a date; it is left out.");
                }
                continue;
            }
            if ((*date)[2] != 2009) {
                report.warnings.push_back(week + " holds the period " + r.Date +
                                          ", which is not in 2009, the year of the tax tables; it is left out.");
                continue;
            }
            rows.push_back({(*date)[0], (*date)[1], static_cast<int>(slot), &r});
        }
        std::stable_sort(rows.begin(), rows.end(), [](const DatedRow& a, const DatedRow& b) {
            return a.month != b.month ? a.month < b.month : a.day < b.day;
        });

        ReportLine line{e.user, e.selfEmployed, {}};
        auto& f = line.figures;
        int64_t earlier = 0; // gross less cafeteria of the earlier 2009 rows: the base used so far
        for (const DatedRow& d : rows) {
            const YtdRow& r = *d.row;
            const int64_t gross = centsOf(r.Gross), cafeteria = centsOf(r.Cafeteria), kplan = centsOf(r.KPlan),
                          pension = centsOf(r.Pension), tips = centsOf(r.Tips);
            const int64_t base = gross - cafeteria;
            const int64_t taxable = std::min(earlier + base, kSocialSecurityWageBase) -
                                    std::min(earlier, kSocialSecurityWageBase);
            const int64_t futa = std::min(earlier + base, kFutaWageBase) - std::min(earlier, kFutaWageBase);
            earlier += base;
            if (!inPeriod(period, d.month))
                continue;
            ++f.periods;
            const int64_t ssTips = std::max<int64_t>(0, std::min(tips, taxable));
            auto& c = f.cents;
            c[Gross] += gross;
            c[FederalWages] += gross - kplan - pension - cafeteria;
            c[FederalTax] += centsOf(r.Federal);
            c[SsWages] += taxable - ssTips;
            c[SsTips] += ssTips;
            c[SsTax] += centsOf(r.SocSec);
            c[MedicareWages] += base;
            c[MedicareTax] += centsOf(r.Medicare);
            c[StateWages] += gross - kplan - (e.cafeteriaDeductsState ? cafeteria : 0);
            c[StateTax] += centsOf(r.State);
            c[LocalWages] += gross - kplan;
            c[LocalTax] += centsOf(r.City);
            c[Sdi] += centsOf(r.Sdi);
            c[Sui] += centsOf(r.Sui);
            c[KPlan] += kplan;
            c[Pension] += pension;
            c[Cafeteria] += cafeteria;
            c[Tips] += tips;
            c[Net] += centsOf(r.Net);
            c[FutaWages] += futa;
        }
        if (f.periods == 0)
            continue;
        report.totals.periods += f.periods;
        for (size_t k = 0; k < kReportKeys.size(); ++k)
            report.totals.cents[k] += f.cents[k];
        report.employees.push_back(std::move(line));
    }

    const auto& t = report.totals.cents;
    Form941& form = report.form941;
    form.line1 = static_cast<int64_t>(report.employees.size());
    form.line2 = t[FederalWages];
    form.line3 = t[FederalTax];
    form.line5a = timesThousandths(t[SsWages], 124);
    form.line5b = timesThousandths(t[SsTips], 124);
    form.line5c = timesThousandths(t[MedicareWages], 29);
    form.line5d = form.line5a + form.line5b + form.line5c;
    form.line6 = form.line3 + form.line5d;
    form.line7 = 2 * (t[SsTax] + t[MedicareTax]) - form.line5d;
    form.line10 = form.line6 + form.line7;
    if (period == ReportPeriod::Year)
        report.form940 = Form940{t[FutaWages], timesThousandths(t[FutaWages], 8)};
    return report;
}

} // namespace tallyrin
