#include "print/PayPrints.h"

#include "print/PayCheck.h"
#include "print/PrintDevice.h"
#include "text/Numbers.h"

#include <algorithm>
#include <string_view>

namespace tallyrin {
namespace {

constexpr std::string_view kRateMask = "###.00";
constexpr std::string_view kAmountMask = "#####.00";

std::string rate(float v) { return format(v, kRateMask); }
std::string amount(float v) { return format(v, kAmountMask); }
std::string amount(Currency v) { return format(v, kAmountMask); }
// A label caption ("$1,234.56") or an entry text goes through its number before the mask.
std::string rateText(const std::string& text) { return formatText(text, kRateMask); }
std::string amountText(const std::string& text) { return formatText(text, kAmountMask); }

float single(double v) { return static_cast<float>(v); }

using Lines = PrintLines;

const std::string kRule198(198, '-');

} // namespace

std::string printDocumentName(const std::string& userName, const std::string& periodDate, const std::string& kind)
{
    std::string date = periodDate;
    std::replace(date.begin(), date.end(), '/', '_');
    std::string name = userName;
    for (const std::string& part : {date, kind})
        if (!part.empty())
            name += (name.empty() ? "" : " ") + part;
    return name;
}

std::string shortDateText(int year, int month, int day)
{
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}

PayFormTexts payFormTexts(const std::array<std::string, 8>& txtAmount, bool opt1x, const std::string& txtWeek,
                          const PayPeriodLabels& l)
{
    return {txtAmount, opt1x, txtWeek, l.Label13, l.lbTaxes, l.lbDeduct, l.lbNet, l.lbTaxDed, l.lbSDI, l.lbSUI, l.lbCafe};
}

PeriodFigures periodFigures(const PayFormTexts& form, const EmployeeProfile& profile, const PayPeriodResult& result,
                            const YtdTotals& ytd)
{
    const PayPeriodEntry& e = result.Entry;
    const double payRate = result.PayRate;
    const int multiplier = form.opt1x ? 1 : 2;
    const float otRate = single(multiplier * payRate);
    const float otEarnings = single(fullNumber(form.txtAmount[2]).value_or(0) * otRate);
    const float ot15Rate = single(payRate * 1.5);
    const float ot15Earnings = single(e.OtHrs * 1.5 * payRate);
    const float holiday = single(static_cast<double>(profile.HourRate) * e.Avas);
    const float vacation = single(static_cast<double>(e.VacDys) * payRate);

    PeriodFigures f;
    f.tipsEarnings = single(static_cast<double>(profile.TipsRate) * e.TipsHrs);
    auto& lines = f.earnings;
    const auto& t = form.txtAmount;
    lines[size_t(Earning::Regular1)] = {"Regular1 Earning", rate(profile.HourRate), rateText(t[0]),
                                        amount(single(e.StrHrs * payRate))};
    lines[size_t(Earning::Regular2)] = {"Regular2 Earning", rate(profile.HourRate2), rateText(t[1]),
                                        amount(single(static_cast<double>(profile.HourRate2) * e.StrHrs2))};
    lines[size_t(Earning::Ot1x2x)] = {"O.T. 1x / 2x Earned", rate(otRate), rateText(t[2]), amount(otEarnings)};
    lines[size_t(Earning::Ot15x)] = {"O.T. 1.5x Earned", rate(ot15Rate), rateText(t[3]), amount(ot15Earnings)};
    lines[size_t(Earning::Holiday)] = {"Holiday", rate(profile.HourRate), rateText(t[4]), amount(holiday)};
    // The vacation/sick line shows rate 1 beside earnings at the effective pay rate, as the pay
    // form computes them.
    lines[size_t(Earning::Vacation)] = {"Vacation/Sick", rate(profile.HourRate), rateText(t[5]), amount(vacation)};
    lines[size_t(Earning::Adjustment)] = {"Adjustment", rateText(t[6]), "", amount(e.Addit)};
    lines[size_t(Earning::Tips)] = {"Tips", rate(profile.TipsRate), rate(e.TipsHrs), amount(f.tipsEarnings)};

    const auto& lb = form.lbTaxDed;
    const auto& labels = profile.DeductLabel;
    f.deductions = {{
        {"Federal Tax", amountText(lb[0]), amount(ytd.Federal)},
        {"Social Security Tax", amountText(lb[1]), amount(ytd.SocSec)},
        {"Medicare Tax", amountText(lb[2]), amount(ytd.Medicare)},
        {"State Tax", amountText(lb[3]), amount(ytd.State)},
        {"City Tax", amountText(lb[4]), amount(ytd.City)},
        {"State Disability Ins", amountText(form.lbSDI), amount(ytd.Sdi)},
        {"State Unemployment Ins", amountText(form.lbSUI), amount(ytd.Sui)},
        {labels[0], amountText(lb[5]), amount(ytd.CreditUnion)},
        {labels[1], amountText(lb[6]), amount(ytd.Bond)},
        {labels[2], amountText(lb[7]), amount(ytd.Dues)},
        {labels[3], amountText(lb[8]), amount(ytd.Pension)},
        {labels[4], amountText(lb[9]), amount(ytd.Misc)},
        {"K-Plan", amountText(lb[10]), amount(ytd.KPlan)},
        {"Cafeteria Plan", amountText(form.lbCafe), amount(ytd.Cafeteria)},
    }};

    f.current = {amountText(form.Label13), amountText(form.lbTaxes), amountText(form.lbDeduct),
                 amountText(form.lbNet)};
    // The year's taxes and deductions are split as the period's are: the cafeteria plan is a
    // deduction (it is in the period's total deductions, not its taxes).
    const float ytdTaxes = single(static_cast<double>(ytd.Federal) + ytd.SocSec + ytd.Medicare + ytd.State + ytd.City +
                                  ytd.Sdi + ytd.Sui);
    const float ytdDeductions = single(static_cast<double>(ytd.CreditUnion) + ytd.Bond + ytd.Dues + ytd.Pension +
                                       ytd.Misc + ytd.KPlan + ytd.Cafeteria);
    f.ytd = {amount(ytd.Gross), amount(ytdTaxes), amount(ytdDeductions), amount(ytd.Net)};
    f.ytdTips = amount(ytd.Tips);
    return f;
}

void PrintText(PrintSurface& out, const StatementHeading& h, const PeriodFigures& f)
{
    Lines p{out};
    p.font(11);
    p.blank(2);
    p.put(h.header.HeaderCompany), p.end();
    p.put(h.header.HeaderAddress), p.end();
    p.put(h.header.HeaderZip), p.at(85, h.header.HeaderIdNumber), p.end();
    out.setFontSize(10);
    p.put(std::string(203, '-')), p.end();
    p.put("Employee:"), p.at(20, h.userName), p.at(50, h.ssn), p.end();
    p.blank(1);
    p.at(5, "Date:"), p.at(15, h.today), p.at(85, "For Week Ending: " + h.txtWeek), p.end();
    p.blank(1);
    p.at(45, "TALLYRIN 2009"), p.at(65, "Version  " + h.version), p.end();
    p.blank(5);
    p.at(5, "Description"), p.at(30, "Rate"), p.at(50, "Hours"), p.at(65, "Earnings");
    p.at(5, kRule198), p.end();

    static constexpr Earning kOrder[] = {Earning::Regular1, Earning::Regular2, Earning::Ot1x2x, Earning::Ot15x,
                                         Earning::Tips,     Earning::Holiday,  Earning::Vacation, Earning::Adjustment};
    for (Earning e : kOrder) {
        const EarningsLine& line = f.line(e);
        p.at(5, line.description), p.at(30, line.rate), p.at(50, line.hours), p.at(65, line.earnings);
        if (e == Earning::Ot15x)
            p.at(85, "YTD");
        if (e == Earning::Tips)
            p.at(85, f.ytdTips);
        p.end();
    }
    p.blank(7);
    p.at(65, "Taxes / Deductions"), p.at(100, "Current"), p.at(115, "YTD");
    p.at(5, kRule198), p.end();
    for (const DeductionLine& d : f.deductions)
        p.at(65, d.label), p.at(100, d.current), p.at(115, d.ytd), p.end();
    p.blank(5);
    p.at(30, "Earnings"), p.at(50, "Taxes"), p.at(65, "Deductions"), p.at(85, "Net Pay"), p.at(100, "Period Ending");
    p.at(5, kRule198), p.end();
    p.blank(1);
    p.at(5, "Current"), p.at(30, f.current[0]), p.at(50, f.current[1]), p.at(65, f.current[2]), p.at(85, f.current[3]);
    p.at(5, "YTD"), p.at(30, f.ytd[0]), p.at(50, f.ytd[1]), p.at(65, f.ytd[2]), p.at(85, f.ytd[3]);
    p.at(100, h.txtWeek);
    p.at(5, kRule198), p.end();
    if (!h.deposit.empty())
        p.blank(1), p.at(5, h.deposit), p.end();
    // The line after the last rule is in 6-point type.
    out.setFontSize(6);
    out.endDocument();
}

namespace {

void stub(Lines& p, const CheckPlacement& at, const PayCheck& check, const std::string& txtWeek,
          const PeriodFigures& f, int blanksBeforeSummary)
{
    auto col = [&](int n) { return checkColumn(at, n); };
    p.at(col(5), check.txtPayTo), p.at(col(45), check.txtUserSSnum), p.at(col(65), "For Week Ending: " + txtWeek);
    p.at(col(125), check.txtCheckDate), p.end();
    p.at(col(5), "Description"), p.at(col(30), "Rate"), p.at(col(45), "Hours"), p.at(col(55), "Earnings");
    p.at(col(65), "Taxes/Deduct"), p.at(col(102), "Current"), p.at(col(125), "YTD");
    p.at(col(5), kRule198), p.end();

    static constexpr Earning kOrder[] = {Earning::Regular1, Earning::Regular2,   Earning::Ot1x2x, Earning::Ot15x,
                                         Earning::Holiday,  Earning::Vacation, Earning::Adjustment, Earning::Tips};
    for (size_t i = 0; i < f.deductions.size(); ++i) {
        if (i < std::size(kOrder)) {
            const EarningsLine& line = f.line(kOrder[i]);
            p.at(col(5), line.description), p.at(col(30), line.rate), p.at(col(45), line.hours);
            p.at(col(55), line.earnings);
        }
        const DeductionLine& d = f.deductions[i];
        p.at(col(65), d.label), p.at(col(102), d.current), p.at(col(125), d.ytd), p.end();
    }
    p.blank(blanksBeforeSummary);
    p.at(col(30), "Earnings"), p.at(col(50), "Taxes"), p.at(col(65), "Deductions"), p.at(col(85), "Net Pay"), p.end();
    p.at(col(5), "Current"), p.at(col(30), f.current[0]), p.at(col(50), f.current[1]), p.at(col(65), f.current[2]);
    p.at(col(85), f.current[3]);
    p.at(col(5), "YTD"), p.at(col(30), f.ytd[0]), p.at(col(50), f.ytd[1]), p.at(col(65), f.ytd[2]);
    p.at(col(85), f.ytd[3]);
}

} // namespace

void PrintCheck(PrintSurface& out, const CheckPlacement& at, const PayCheck& check, const std::string& txtWeek,
                const PeriodFigures& f)
{
    auto col = [&](int n) { return checkColumn(at, n); };
    Lines p{out};
    p.font(11);
    if (at.V >= 0)
        p.blank(at.V + 1);
    p.at(col(107), check.txtCheckDate), p.end();
    p.blank(2);
    p.at(col(15), check.txtPayTo), p.at(col(102), check.txtCheckAmt), p.end();
    p.blank(1);
    p.at(col(5), "*****" + check.words() + "*****"), p.end();
    p.blank(1);
    p.at(col(15), check.txtUserName), p.at(col(75), check.txtUserSSnum), p.end();
    p.at(col(15), check.txtUserAddress), p.end();
    p.at(col(15), check.txtUserState), p.end();
    p.blank(1);
    p.at(col(10), check.txtMemo), p.end();
    p.font(8);
    p.blank(10);
    stub(p, at, check, txtWeek, f, 2);
    p.font(8);
    p.blank(8);
    stub(p, at, check, txtWeek, f, 1);
    out.endDocument();
}

void PrintYr(PrintSurface& out, const CompanyHeader& header, const std::string& userName, const std::string& today,
             const std::array<std::string, 5>& labels, const YtdLedger& ledger)
{
    static constexpr int kColumns[] = {17, 30, 43, 56, 69, 82, 95, 108, 121, 134, 145, 156, 172, 182, 197};
    Lines p{out};
    out.setLandscape();
    p.font(10);
    p.put(header.HeaderCompany), p.end();
    p.put(header.HeaderAddress), p.end();
    p.put(header.HeaderZip), p.at(134, header.HeaderIdNumber), p.end();
    out.setFontSize(9);
    p.put("Employee:"), p.at(17, userName), p.at(145, today), p.end();
    out.setFontSize(8);
    const std::string headings[] = {"Federal", "SS",      "MediCare", "State", "City", labels[0], labels[1], labels[2],
                                    labels[3], labels[4], "KPlan",    "Tips",  "OT",   "Net",     "Gross"};
    p.at(5, "Week");
    for (size_t i = 0; i < std::size(kColumns); ++i)
        p.at(kColumns[i], headings[i]);

    for (int slot = 0; slot < ledger.usedRows(); ++slot) {
        const YtdRow& r = ledger.row(slot);
        const float amounts[] = {r.Federal, r.SocSec,  r.Medicare, r.State, r.City,     r.CreditUnion, r.Bond, r.Dues,
                                 r.Pension, r.Misc,    r.KPlan,    r.Tips,  r.Overtime, r.Net,         r.Gross};
        p.at(5, r.Date);
        for (size_t i = 0; i < std::size(kColumns); ++i)
            p.at(kColumns[i], printText(amounts[i]));
    }
    p.at(5, std::string(291, '-')), p.end();

    const YtdTotals& t = ledger.totals();
    const std::string totals[] = {amount(t.Federal), amount(t.SocSec),   amount(t.Medicare),    amount(t.State),
                                  amount(t.City),    amount(t.CreditUnion), amount(t.Bond),     amount(t.Dues),
                                  amount(t.Pension), amount(t.Misc),     amount(t.KPlan),       amount(t.Tips),
                                  amount(t.Overtime), amount(t.Net),     amount(t.Gross)};
    p.at(5, "TOTALS");
    for (size_t i = 0; i < std::size(kColumns); ++i)
        p.at(kColumns[i], totals[i]);
    p.at(56, "Total Tips: " + amount(t.Tips)), p.at(95, "Total SDI: " + amount(t.Sdi));
    p.at(121, "Total SUI: " + amount(t.Sui)), p.at(145, "Total Cafeteria: " + amount(t.Cafeteria)), p.end();
    p.blank(1);
    out.endDocument();
}

} // namespace tallyrin
