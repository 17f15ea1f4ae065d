#include "state/BuiltInStateMethods.h"

#include "text/Numbers.h"

#include <algorithm>
#include <array>
#include <span>

namespace tallyrin {

namespace {

float single(double value) { return static_cast<float>(value); }

using Column = std::array<float, 10>;

// Entry n of an allowance column; a count outside 0-9 reads as 0.
double entry(const Column& column, int n) { return n >= 0 && n < 10 ? double(column[n]) : 0.0; }

bool isSingle(std::string_view status) { return status == "Single"; }

// The table of the state filing status: Single for exactly "Single", else Married.
struct Table
{
    const Column& min;
    const Column& amt;
    const Column& per;
    const Column& exp;
};

Table tableFor(const StateSettings& s, bool single)
{
    if (single)
        return {s.StateMinBS, s.StateAmtBS, s.StatePerBS, s.StateSgExp};
    return {s.StateMinBM, s.StateAmtBM, s.StatePerBM, s.StateMarExp};
}

// A table bound for the pay frequency: halved for a weekly employee, as a single.
float bound(const Column& min, int r, bool biWeekly) { return biWeekly ? min[r] : single(double(min[r]) / 2); }
double amount(const Column& amt, int r, bool biWeekly) { return biWeekly ? double(amt[r]) : double(amt[r]) / 2; }

// A progressive schedule: W up to bounds[0] is taxed at rates[0]; above, W falls in band i when
// bounds[i-1] < W <= bounds[i] (the last band: W > its lower bound) and is taxed at rates[i] on
// the excess over the lower bound, plus the running tax at that bound, which adds the band
// amounts additions[0..i-1] one by one as a single.
struct Schedule
{
    std::span<const double> bounds;
    std::span<const double> rates;     // one more than bounds
    std::span<const double> additions; // one per bound
};

double scheduleTax(const Schedule& s, float w)
{
    if (w <= s.bounds[0])
        return w * s.rates[0];
    float running = 0;
    double tax = 0;
    for (size_t i = 1; i < s.rates.size(); ++i) {
        running = single(double(running) + s.additions[i - 1]);
        const double lower = s.bounds[i - 1];
        const bool last = i == s.bounds.size();
        if (lower < w && (last || w <= s.bounds[i]))
            tax = running + (w - lower) * s.rates[i];
    }
    return tax;
}

} // namespace

// ---------------------------------------------------------------- Arizona, Louisiana, Massachusetts, Utah, Oregon

float arizonaTax(const StateSettings& state, const StateWageInputs& in)
{
    const float rate = isSingle(in.fedStatus) ? state.StatePerBS[0] : state.StatePerBM[0];
    return single(double(in.fedTax) * rate);
}

float louisianaTax(const StateSettings& state, const StateWageInputs& in)
{
    // The preset keeps the counts in the first allowance row; a count that does not fit the
    // 16-bit range counts as none.
    const int personal = wholeNumber(double(state.StateSgExp[0])).value_or(0);
    const int dependents = wholeNumber(double(state.StateMarExp[0])).value_or(0);
    const bool bi = in.biWeekly;
    const double exemption = bi ? 173.08 : 86.54;
    const double dependent = bi ? 38.46 : 19.23;
    const double t1 = personal == 2 ? (bi ? 961.54 : 480.77) : (bi ? 480.77 : 240.38);
    const double t2 = personal == 2 ? (bi ? 1923.08 : 961.54) : (bi ? 961.54 : 480.77);

    const double g = in.grossPay;
    const double a1 = g > 0 ? g * 0.021 : 0;
    const double a2 = g > t1 ? (g - t1) * 0.0135 : 0;
    const double a3 = g > t2 ? (g - t2) * 0.0135 : 0;
    const float x = single(dependents * dependent + personal * exemption);
    const double b1 = x * 0.021;
    const double b2 = x > t1 ? (x - t1) * 0.0135 : 0;
    const float y = single(a1 + a2 + a3 - (b2 + b1));
    return y > 0 ? y : 0;
}

float massachusettsTax(const StateSettings& state, const StateWageInputs& in)
{
    const float ytdFica = single(double(in.ytdSocSec) + in.ytdMedicare);
    float w = ytdFica > 2000 ? in.grossPay : single(double(in.grossPay) - in.socSec - in.medicare);
    // The Married column, whatever the filing status.
    const double allowance = entry(state.StateMarExp, in.stateExemptions);
    w = single(w - (in.biWeekly ? allowance : allowance * 0.5));
    return single(double(w) * state.StatePerBS[0]);
}

float utahTax(const StateSettings& state, StateWageInputs& in)
{
    const float w = single(double(in.taxableWages) - in.stateCafeteria);
    const Table t = tableFor(state, isSingle(in.stateStatus));
    const bool bi = in.biWeekly;
    // The rate applies to the whole wage, not to the excess over the bound.
    const auto rowTax = [&](int r) { return single(w * double(t.per[r]) + amount(t.amt, r, bi)); };
    float tax = 0;
    for (int r = 0; r < 6; ++r)
        if (bound(t.min, r, bi) <= w && w < bound(t.min, r + 1, bi))
            tax = rowTax(r);
    if (w >= bound(t.min, 6, bi)) {
        tax = rowTax(6);
        in.stateAllowance = 0;
    }
    // The allowance is a credit, taken whole for either frequency.
    return single(double(tax) - in.stateAllowance);
}

float oregonTax(const StateSettings& state, const StateWageInputs& in, float tax)
{
    const bool bi = in.biWeekly;
    const double federal = std::min(double(in.fedTax), bi ? 225.0 : 112.5);
    float w = single(double(in.grossPay) - federal);
    if (in.stateStatus == "Single")
        w = single(w - (bi ? 74.81 : 37.4));
    else if (in.stateStatus == "Married")
        w = single(w - (bi ? 149.81 : 74.9));

    // A Single employee with three or more exemptions is taxed on the Married table. The preset
    // stores the figures of the employee's frequency, so the table is used as it stands.
    const Table t = tableFor(state, isSingle(in.stateStatus) && in.stateExemptions < 3);
    const double credit = entry(t.exp, in.stateExemptions);
    const auto rowTax = [&](int r) { return single((double(w) - t.min[r]) * t.per[r] + t.amt[r] - credit); };
    if (t.min[0] <= w && w < t.min[1])
        tax = 0;
    if (t.min[1] <= w && w < t.min[2])
        tax = rowTax(1);
    if (w >= t.min[2])
        tax = rowTax(2);
    return tax;
}

// ---------------------------------------------------------------- Alabama, Kentucky, Wisconsin, North Carolina

namespace {

struct DeductionRow
{
    double bound;
    double amount;
};

// A standard-deduction table: the first row whose bound the gross does not exceed, else `above`.
struct DeductionTable
{
    std::array<DeductionRow, 21> rows;
    double above;
};

double lookUp(const DeductionTable& table, float gross)
{
    for (const DeductionRow& row : table.rows)
        if (gross <= row.bound)
            return row.amount;
    return table.above;
}

// The 2009 tables as published (the weekly Married-joint second amount is 140.77 there).
const DeductionTable kBiWeeklySingle{
    {{{769.23, 96.15},   {788.46, 95.19},   {807.69, 94.23},   {826.92, 93.27},   {846.15, 92.31},
      {865.38, 91.35},   {884.62, 90.38},   {903.85, 89.42},   {923.08, 88.46},   {942.31, 87.50},
      {961.54, 86.54},   {980.77, 85.58},   {1000.00, 84.62},  {1019.23, 83.65},  {1038.46, 82.69},
      {1057.69, 81.73},  {1076.92, 80.77},  {1096.15, 79.81},  {1115.38, 78.85},  {1134.62, 77.88},
      {1153.85, 76.92}}},
    76.92};
const DeductionTable kBiWeeklyMarriedSeparate{
    {{{384.62, 144.23}, {394.23, 140.85}, {403.85, 137.46}, {413.46, 134.08}, {423.08, 130.69},
      {432.69, 127.31}, {442.31, 123.92}, {451.92, 120.54}, {461.54, 117.15}, {471.15, 113.77},
      {480.77, 110.38}, {490.38, 107.00}, {500.00, 103.62}, {509.62, 100.23}, {519.23, 96.85},
      {528.85, 93.46},  {538.46, 90.08},  {548.08, 86.69},  {557.69, 83.31},  {567.31, 79.92},
      {576.92, 76.92}}},
    76.92};
const DeductionTable kBiWeeklyMarriedJoint{
    {{{769.23, 288.46},  {788.46, 281.73},  {807.69, 275.00},  {826.92, 268.27},  {846.15, 261.54},
      {865.38, 254.81},  {884.62, 248.08},  {903.85, 241.35},  {923.08, 234.62},  {942.31, 227.88},
      {961.54, 221.15},  {980.77, 214.42},  {1000.00, 207.69}, {1019.23, 200.96}, {1038.46, 194.23},
      {1057.69, 187.50}, {1076.92, 180.77}, {1096.15, 174.04}, {1115.38, 167.31}, {1134.62, 160.58},
      {1153.85, 153.85}}},
    153.85};
const DeductionTable kWeeklySingle{
    {{{384.62, 48.08}, {394.23, 47.60}, {403.85, 47.12}, {413.46, 46.63}, {423.08, 46.15},
      {432.69, 45.67}, {442.31, 45.19}, {451.92, 44.71}, {461.54, 44.23}, {471.15, 43.75},
      {480.77, 43.27}, {490.38, 42.79}, {500.00, 42.31}, {509.62, 41.83}, {519.23, 41.35},
      {528.85, 40.87}, {538.46, 40.38}, {548.08, 39.90}, {557.69, 39.42}, {567.31, 38.94},
      {576.92, 38.46}}},
    38.46};
const DeductionTable kWeeklyMarriedSeparate{
    {{{192.31, 72.12}, {197.12, 70.42}, {201.92, 68.73}, {206.73, 67.04}, {211.54, 65.35},
      {216.35, 63.65}, {221.15, 61.96}, {225.96, 60.27}, {230.77, 58.58}, {235.58, 56.88},
      {240.38, 55.19}, {245.19, 53.50}, {250.00, 51.81}, {254.81, 50.12}, {259.62, 48.42},
      {264.42, 46.73}, {269.23, 45.04}, {274.04, 43.35}, {278.85, 41.65}, {283.65, 39.96},
      {288.46, 38.46}}},
    38.46};
const DeductionTable kWeeklyMarriedJoint{
    {{{384.62, 144.23}, {394.23, 140.77}, {403.85, 137.50}, {413.46, 134.13}, {423.08, 130.77},
      {432.69, 127.40}, {442.31, 124.04}, {451.92, 120.67}, {461.54, 117.31}, {471.15, 113.94},
      {480.77, 110.58}, {490.38, 107.21}, {500.00, 103.85}, {509.62, 100.48}, {519.23, 97.12},
      {528.85, 93.75},  {538.46, 90.38},  {548.08, 87.02},  {557.69, 83.65},  {567.31, 80.29},
      {576.92, 76.92}}},
    76.92};

// Alabama's standard deduction: federal and state Single, Married-separate for a married federal
// filer who is Single for the state, Married-joint when both are married; a federal Single who
// is married for the state has none.
double alabamaStandardDeduction(const StateWageInputs& in)
{
    const bool fedSingle = isSingle(in.fedStatus);
    const bool stateSingle = isSingle(in.stateStatus);
    if (fedSingle && !stateSingle)
        return 0;
    const bool bi = in.biWeekly;
    const DeductionTable& table = fedSingle ? (bi ? kBiWeeklySingle : kWeeklySingle)
                                  : stateSingle ? (bi ? kBiWeeklyMarriedSeparate : kWeeklyMarriedSeparate)
                                                : (bi ? kBiWeeklyMarriedJoint : kWeeklyMarriedJoint);
    return lookUp(table, in.grossPay);
}

} // namespace

double alabamaTax(const StateSettings& /*state*/, const StateWageInputs& in)
{
    const bool bi = in.biWeekly;
    const double g = in.grossPay;
    const int n = in.stateExemptions;
    double perDependent = 0;
    if (bi)
        perDependent = g > 3846.15 ? 11.54 : g > 769.23 ? 19.23 : 38.46;
    else
        perDependent = g > 1923.08 ? 5.77 : g > 384.62 ? 9.62 : 19.23;
    const double dependents = n * perDependent;

    const bool stateSingle = isSingle(in.stateStatus);
    const double exemption = stateSingle ? (bi ? 57.69 : 28.85) : (bi ? 115.38 : 57.69);
    const float x = single(g - (alabamaStandardDeduction(in) + exemption + in.fedTax + dependents));

    // Bands of 2, 4 and 5 percent; the fixed parts of the top band are the published constants.
    double a = 0, b = 0, fixedLow = 0, fixedMid = 0;
    if (stateSingle) {
        a = bi ? 19.23 : 9.62;
        b = bi ? 115.38 : 57.69;
        fixedLow = bi ? 0.3846 : 0.1924;
        fixedMid = bi ? 3.846 : 1.9232;
    } else {
        a = bi ? 38.46 : 19.23;
        b = bi ? 230.77 : 115.38;
        fixedLow = bi ? 0.7692 : 0.3846;
        fixedMid = bi ? 7.6924 : 3.846;
    }
    if (x <= a)
        return x * 0.02;
    if (x <= b)
        return (x - a) * 0.04 + a * 0.02;
    return (x - b) * 0.05 + fixedLow + fixedMid;
}

double kentuckyTax(const StateSettings& state, const StateWageInputs& in)
{
    const Table t = tableFor(state, isSingle(in.stateStatus));
    // W for a row takes that row's Amount (the preset puts the same standard deduction in every
    // row); with edited Amounts more than one row may hold, and the last one wins.
    const auto wage = [&](int k) { return single(double(in.grossPay) - t.amt[k]); };
    // The full brackets below row k.
    const auto below = [&](int k) {
        double sum = double(t.min[0]) * t.per[0];
        for (int j = 1; j < k; ++j)
            sum += (double(t.min[j]) - t.min[j - 1]) * t.per[j];
        return sum;
    };
    double tax = 0;
    if (const float w = wage(0); w <= t.min[0])
        tax = w * double(t.per[0]);
    for (int k = 1; k <= 4; ++k)
        if (const float w = wage(k); t.min[k - 1] < w && w <= t.min[k])
            tax = below(k) + (double(w) - t.min[k - 1]) * t.per[k];
    if (const float w = wage(5); w > t.min[4])
        tax = below(5) + (double(w) - t.min[4]) * t.per[5];
    return tax - entry(t.exp, in.stateExemptions);
}

double wisconsinTax(const StateSettings& state, const StateWageInputs& in)
{
    const float w = single(double(in.taxableWages) - state.CalAllow - in.stateCafeteria);
    const Table t = tableFor(state, isSingle(in.stateStatus));
    const bool bi = in.biWeekly;
    const auto rowTax = [&](int r) { return (double(w) - bound(t.min, r, bi)) * t.per[r] + amount(t.amt, r, bi); };
    double tax = 0;
    for (int r = 0; r < 9; ++r)
        if (bound(t.min, r, bi) <= w && w < bound(t.min, r + 1, bi))
            tax = rowTax(r);
    if (w >= bound(t.min, 9, bi))
        tax = rowTax(9);
    return tax - (bi ? double(in.stateAllowance) : double(in.stateAllowance) / 2);
}

double northCarolinaTax(const StateSettings& state, const StateWageInputs& in, double tax)
{
    const bool bi = in.biWeekly;
    const double allowance = bi ? double(in.stateAllowance) : double(in.stateAllowance) / 2;
    const float w = single(double(in.taxableWages) - state.CalAllow - allowance - in.stateCafeteria);
    const Table t = tableFor(state, isSingle(in.stateStatus));
    // The Amount column is subtracted; weekly, row 0 alone is taxed on the excess over its bound.
    const auto rowTax = [&](int r) {
        if (!bi && r == 0)
            return (double(w) - bound(t.min, 0, bi)) * t.per[0] - amount(t.amt, 0, bi);
        return w * double(t.per[r]) - amount(t.amt, r, bi);
    };
    for (int r = 0; r < 9; ++r)
        if (bound(t.min, r, bi) <= w && w < bound(t.min, r + 1, bi))
            tax = rowTax(r);
    if (w >= bound(t.min, 9, bi))
        tax = rowTax(9);
    return tax;
}

// ---------------------------------------------------------------- Iowa, Missouri

namespace {

constexpr std::array<double, 8> kIowaBoundsBiWeekly{50, 100, 200, 450, 750, 1000, 1500, 2250};
constexpr std::array<double, 8> kIowaBoundsWeekly{25, 50, 100, 225, 375, 500, 750, 1125};
constexpr std::array<double, 9> kIowaRates{0.0036, 0.0072, 0.0243, 0.045, 0.0612, 0.0648, 0.068, 0.0792, 0.0898};
constexpr std::array<double, 8> kIowaAdditionsBiWeekly{0.18, 0.36, 2.43, 11.25, 18.36, 16.2, 34, 59.4};
constexpr std::array<double, 8> kIowaAdditionsWeekly{0.09, 0.18, 1.215, 5.625, 9.18, 8.1, 17, 29.7};

// The weekly bands are 20 wide, not half of the 38.5-wide bi-weekly ones.
constexpr std::array<double, 9> kMissouriBoundsBiWeekly{38.5, 77, 115.5, 154, 192.5, 231, 269.5, 308, 346.5};
constexpr std::array<double, 9> kMissouriBoundsWeekly{20, 40, 60, 80, 100, 120, 140, 160, 180};
constexpr std::array<double, 10> kMissouriRates{0.015, 0.02, 0.025, 0.03, 0.035, 0.04, 0.045, 0.05, 0.055, 0.06};
constexpr std::array<double, 9> kMissouriAdditionsBiWeekly{0.5775, 0.77,   0.9625, 1.155, 1.3475,
                                                           1.54,   1.7325, 1.925,  2.1175};
constexpr std::array<double, 9> kMissouriAdditionsWeekly{0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1, 1.1};

} // namespace

double iowaTax(const StateSettings& state, const StateWageInputs& in)
{
    const int n = in.stateExemptions;
    const float w =
        single(double(in.taxableWages) - in.fedTax - in.stateCafeteria - entry(state.StateSgExp, n));
    const Schedule schedule = in.biWeekly ? Schedule{kIowaBoundsBiWeekly, kIowaRates, kIowaAdditionsBiWeekly}
                                          : Schedule{kIowaBoundsWeekly, kIowaRates, kIowaAdditionsWeekly};
    return scheduleTax(schedule, w) - entry(state.StateMarExp, n);
}

double missouriTax(const StateSettings& state, const StateWageInputs& in)
{
    const bool bi = in.biWeekly;
    const float limit = single((state.SpouseWorks == 1 ? 5000.0 : 10000.0) / (bi ? 26 : 52));
    // A federal amount above the limit is not deducted at all.
    float w = in.fedTax <= limit ? single(double(in.taxableWages) - in.fedTax - in.stateCafeteria)
                                 : single(double(in.taxableWages) - in.stateCafeteria);
    const int n = in.stateExemptions;
    w = single(w - entry(state.StateSgExp, n) - entry(state.StateMarExp, n));
    const Schedule schedule = bi ? Schedule{kMissouriBoundsBiWeekly, kMissouriRates, kMissouriAdditionsBiWeekly}
                                 : Schedule{kMissouriBoundsWeekly, kMissouriRates, kMissouriAdditionsWeekly};
    return scheduleTax(schedule, w);
}

} // namespace tallyrin
