#include "state/StatePresets.h"

#include "state/StateBoxes.h"
#include "text/Numbers.h"

#include <string>

namespace tallyrin {

namespace {

using Texts = std::array<std::string, 10>;

bool biWeekly(const StateBoxes& s) { return s.profile().BiWeekly; }

void numberRows(StateBoxes& s)
{
    for (size_t i = 0; i < s.Label27.size(); ++i)
        s.Label27[i] = std::to_string(i);
}

// Rows from `first` on of both tables: not in use (Min 999999, Amt 0, Per 0), locked or not.
void rowsNotInUse(StateBoxes& s, size_t first, bool locked)
{
    for (size_t r = first; r < 10; ++r) {
        s.txtStateMinBS[r] = s.txtStateMinBM[r] = "999999";
        s.txtStateAmtBS[r] = s.txtStateAmtBM[r] = "0";
        s.txtStatePerBS[r] = s.txtStatePerBM[r] = "0";
        if (locked)
            for (auto* column : {&s.enabled.txtStateMinBS, &s.enabled.txtStateAmtBS, &s.enabled.txtStatePerBS,
                                 &s.enabled.txtStateMinBM, &s.enabled.txtStateAmtBM, &s.enabled.txtStatePerBM})
                (*column)[r] = false;
    }
}

void singleRow(StateBoxes& s, size_t r, const char* min, const char* amt, const char* per)
{
    s.txtStateMinBS[r] = min;
    s.txtStateAmtBS[r] = amt;
    s.txtStatePerBS[r] = per;
}

void marriedRow(StateBoxes& s, size_t r, const char* min, const char* amt, const char* per)
{
    s.txtStateMinBM[r] = min;
    s.txtStateAmtBM[r] = amt;
    s.txtStatePerBM[r] = per;
}

void bothRows(StateBoxes& s, size_t r, const char* min, const char* amt, const char* per)
{
    singleRow(s, r, min, amt, per);
    marriedRow(s, r, min, amt, per);
}

void bothAllowances(StateBoxes& s, const Texts& values) { s.txtStateSgExp = s.txtStateMarExp = values; }

// step x n for n = 0..9, as the screen shows numbers.
Texts multiples(double step)
{
    Texts texts;
    for (size_t n = 0; n < texts.size(); ++n)
        texts[n] = screenText(static_cast<float>(step * static_cast<double>(n)));
    return texts;
}

void standardHeadings(StateBoxes& s)
{
    s.Label14 = "Single";
    s.Label15 = "Married";
    s.Label21 = "BiWeekly";
    s.Label13 = "# of Exemp";
    s.Label5 = "Table for MARRIED Persons";
}

} // namespace

void arizonaPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    s.txtStateSgExp.fill("0");
    s.txtStateMarExp.fill("0");
    s.enabled.txtStateSgExp.fill(false);
    s.enabled.txtStateMarExp.fill(false);
    rowsNotInUse(s, 1, true);
    // Row 0 holds only the elected percentage, as stored.
    s.txtStateMinBS[0] = s.txtStateMinBM[0] = "999999";
    s.txtStateAmtBS[0] = s.txtStateAmtBM[0] = "0";
    s.txtStatePerBS[0] = screenText(s.settings().StatePerBS[0]);
    s.txtStatePerBM[0] = screenText(s.settings().StatePerBM[0]);
    for (auto* column : {&s.enabled.txtStateMinBS, &s.enabled.txtStateAmtBS, &s.enabled.txtStateMinBM,
                         &s.enabled.txtStateAmtBM})
        (*column)[0] = false;
    standardHeadings(s);
    numberRows(s);
}

void louisianaPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    s.Label14 = "Personal";
    s.Label15 = "Dependent";
    s.Label21 = "Enter Number Of";
    s.Label13.clear();
    for (std::string& row : s.Label27)
        row.clear();
    s.Label5 = "Table for MARRIED Persons";
    rowsNotInUse(s, 1, true);
    s.txtStatePerBS[0] = s.txtStatePerBM[0] = "0";
    for (auto* column : {&s.enabled.txtStateMinBS, &s.enabled.txtStateAmtBS, &s.enabled.txtStatePerBS,
                         &s.enabled.txtStateMinBM, &s.enabled.txtStateAmtBM, &s.enabled.txtStatePerBM})
        (*column)[0] = false;
    // Row 0 of the allowance columns holds the number of personal exemptions (0-2) and of
    // dependents (0-6); a stored count beyond that shows as 0.
    for (size_t n = 1; n < 10; ++n) {
        s.txtStateSgExp[n] = s.txtStateMarExp[n] = "0";
        s.enabled.txtStateSgExp[n] = s.enabled.txtStateMarExp[n] = false;
    }
    const float personal = s.settings().StateSgExp[0];
    const float dependents = s.settings().StateMarExp[0];
    s.txtStateSgExp[0] = personal > 2 ? "0" : screenText(personal);
    s.txtStateMarExp[0] = dependents > 6 ? "0" : screenText(dependents);
}

void massachusettsPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    numberRows(s);
    bothRows(s, 0, "0", "0", "0.053");
    rowsNotInUse(s, 1, true);
    bothAllowances(s, {"0", "169", "207", "245", "283", "321", "359", "397", "435", "473"});
}

void utahPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    numberRows(s);
    s.ckSpouse = false;
    s.ckSpouseVisible = false;
    // The same Amount and rate in both tables; the Married bounds are about twice the Single.
    const char* const singleMin[] = {"0", "254", "315", "423", "565", "812", "1531"};
    const char* const marriedMin[] = {"0", "508", "631", "846", "1131", "1623", "3062"};
    const char* const per[] = {"0", "0.01", "0.02", "0.03", "0.04", "0.05", "0.05"};
    for (size_t r = 0; r < 7; ++r) {
        singleRow(s, r, singleMin[r], "0", per[r]);
        marriedRow(s, r, marriedMin[r], "0", per[r]);
    }
    rowsNotInUse(s, 7, false);
    bothAllowances(s, multiples(biWeekly(s) ? 5 : 2));
}

void oregonPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    s.showStoredValues();
    s.ckUtah = false;
    rowsNotInUse(s, 3, false);
    numberRows(s);
    const bool bi = biWeekly(s);
    s.Label19 = s.Label20 = s.Label21 = bi ? "BIWEEKLY" : "WEEKLY";
    bothRows(s, 0, "0", "0", "0.05");
    if (bi) {
        singleRow(s, 1, "110", "5", "0.07");
        marriedRow(s, 1, "219", "11", "0.07");
        singleRow(s, 2, "275", "17", "0.09");
        marriedRow(s, 2, "550", "34", "0.09");
    } else {
        singleRow(s, 1, "55", "3", "0.07");
        marriedRow(s, 1, "110", "5", "0.07");
        singleRow(s, 2, "138", "9", "0.09");
        marriedRow(s, 2, "275", "17", "0.09");
    }
    bothAllowances(s, multiples(bi ? 6.5 : 3.25));
}

void alabamaPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    numberRows(s);
    // The method has its own schedule: every column is 0 and locked.
    for (Texts* column : {&s.txtStateMinBS, &s.txtStateAmtBS, &s.txtStatePerBS, &s.txtStateMinBM, &s.txtStateAmtBM,
                          &s.txtStatePerBM, &s.txtStateSgExp, &s.txtStateMarExp})
        column->fill("0");
    for (auto* column : {&s.enabled.txtStateMinBS, &s.enabled.txtStateAmtBS, &s.enabled.txtStatePerBS,
                         &s.enabled.txtStateMinBM, &s.enabled.txtStateAmtBM, &s.enabled.txtStatePerBM,
                         &s.enabled.txtStateSgExp, &s.enabled.txtStateMarExp})
        column->fill(false);
}

void kentuckyPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    numberRows(s);
    const bool bi = biWeekly(s);
    // The Amount column holds the standard deduction, the same in every row.
    const char* const minBiWeekly[] = {"115.38", "153.84", "192.3", "307.68", "2884.6", "5769.22"};
    const char* const minWeekly[] = {"57.69", "76.92", "96.15", "153.85", "1442.3", "2884.61"};
    const char* const per[] = {"0.02", "0.03", "0.04", "0.05", "0.058", "0.06"};
    for (size_t r = 0; r < 6; ++r)
        bothRows(s, r, bi ? minBiWeekly[r] : minWeekly[r], bi ? "84.23" : "42.12", per[r]);
    rowsNotInUse(s, 6, true);
    if (bi)
        bothAllowances(s, {"0", "0.77", "1.54", "2.31", "3.08", "3.85", "4.62", "5.39", "6.153", "6.923"});
    else
        bothAllowances(s, {"0", "0.385", "0.77", "1.153", "1.54", "1.923", "2.31", "2.692", "3.08", "3.462"});
}

void wisconsinPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    numberRows(s);
    // Bi-weekly figures; the method halves them for a weekly employee.
    singleRow(s, 0, "0", "0", "0");
    singleRow(s, 1, "153.85", "0", "0.046");
    singleRow(s, 2, "408.46", "11.73", "0.05154");
    singleRow(s, 3, "454.81", "14.12", "0.06888");
    singleRow(s, 4, "716.5", "32.15", "0.0728");
    singleRow(s, 5, "1690.5", "103.08", "0.065");
    singleRow(s, 6, "4428.46", "281.04", "0.0675");
    marriedRow(s, 0, "0", "0", "0");
    marriedRow(s, 1, "211.54", "0", "0.046");
    marriedRow(s, 2, "518.08", "14.12", "0.0615");
    marriedRow(s, 3, "575", "17.62", "0.0738");
    marriedRow(s, 4, "771.81", "32.15", "0.078");
    marriedRow(s, 5, "1632.69", "99.31", "0.065");
    marriedRow(s, 6, "4428.46", "281.04", "0.0675");
    rowsNotInUse(s, 7, true);
    bothAllowances(s, {"0", "0.85", "1.7", "2.55", "3.4", "4.25", "5.1", "5.95", "6.8", "7.65"});
}

void northCarolinaPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    numberRows(s);
    bothRows(s, 0, "0", "0", "0");
    singleRow(s, 1, "115.38", "6.92", "0.06");
    marriedRow(s, 1, "115.38", "6.92", "0.06");
    singleRow(s, 2, "605.77", "12.98", "0.07");
    marriedRow(s, 2, "524.04", "12.16", "0.07");
    singleRow(s, 3, "2423.08", "31.15", "0.0775");
    marriedRow(s, 3, "2038.46", "27.45", "0.0775");
    rowsNotInUse(s, 4, true);
    // A wage deduction per exemption count.
    bothAllowances(s, {"0", "96.15", "192.3", "288.45", "384.6", "480.75", "576.9", "673.05", "769.2", "865.35"});
}

void iowaPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    s.biweeklyLabelsVisible = false;
    s.Label14 = "Standard";
    s.Label15 = "Credit";
    s.Label21 = "BiWeekly";
    s.Label13 = "# of Exemp";
    numberRows(s);
    rowsNotInUse(s, 0, false);
    s.ckRoundOff = true;
    const bool bi = biWeekly(s);
    for (size_t n = 0; n < 10; ++n)
        s.txtStateSgExp[n] = n < 2 ? (bi ? "63.46" : "31.73") : (bi ? "156.15" : "78.08");
    s.txtStateMarExp = multiples(bi ? 1.54 : 0.77);
}

void missouriPreset(StateBoxes& s)
{
    s.resetPresetLayout();
    s.Label14 = "Standard";
    s.Label15 = "W4 Allowance";
    s.Label21 = "BiWeekly";
    s.Label13 = "# of Exemp";
    s.Frame1Enabled = false;
    s.tableHeadingsEnabled = false;
    numberRows(s);
    rowsNotInUse(s, 0, true);
    const bool bi = biWeekly(s);
    // A married employee whose spouse does not work has the double standard deduction.
    const bool doubled = s.profile().StateStatus != "Single" && !s.ckSpouse;
    s.txtStateSgExp.fill(doubled ? (bi ? "438.46" : "219.23") : (bi ? "219.23" : "109.62"));
    // The weekly eighth entry is 184.64 in the published table.
    if (bi)
        s.txtStateMarExp = {"0",      "80.77",  "126.92", "173.07", "219.22",
                            "265.37", "311.52", "357.67", "403.82", "449.97"};
    else
        s.txtStateMarExp = {"0", "40.38", "63.46", "86.54", "109.62", "132.7", "155.78", "178.86", "184.64", "201.94"};
}

} // namespace tallyrin
