#include "print/ReportPrints.h"

#include <map>

namespace tallyrin {
namespace {

} // namespace

std::vector<FormLine> formLines(const PayrollReport& r)
{
    const Form941& f = r.form941;
    std::vector<FormLine> lines{
        {"941 line 1", "Employees who received wages", std::to_string(f.line1)},
        {"941 line 2", "Wages, tips and other compensation", centsText(f.line2)},
        {"941 line 3", "Federal income tax withheld", centsText(f.line3)},
        {"941 line 5a", "Taxable social security wages x .124", centsText(f.line5a)},
        {"941 line 5b", "Taxable social security tips x .124", centsText(f.line5b)},
        {"941 line 5c", "Taxable Medicare wages and tips x .029", centsText(f.line5c)},
        {"941 line 5d", "Total social security and Medicare taxes", centsText(f.line5d)},
        {"941 line 6", "Total taxes before adjustments", centsText(f.line6)},
        {"941 line 7", "Adjustment for fractions of cents", centsText(f.line7)},
        {"941 line 10", "Total taxes after adjustments", centsText(f.line10)},
    };
    if (r.form940) {
        lines.push_back({"940 FUTA wages", "Wages subject to FUTA (first 7,000.00 of each)", centsText(r.form940->futaWages)});
        lines.push_back({"940 FUTA tax", "FUTA tax at .008", centsText(r.form940->futaTax)});
    }
    return lines;
}

namespace {

std::string field(const std::string& text, char separator)
{
    if (separator != ',' || text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

using Lines = PrintLines;

} // namespace

std::string reportTable(const PayrollReport& r, char separator)
{
    std::string text = field("user", separator) + separator + "periods";
    for (const char* key : kReportKeys)
        text += separator + std::string(key);
    text += separator + std::string("self_employed") + "\n";
    const auto row = [&](const std::string& user, const ReportFigures& f, const std::string& mark) {
        text += field(user, separator) + separator + std::to_string(f.periods);
        for (int64_t cents : f.cents)
            text += separator + centsText(cents);
        text += separator + mark + "\n";
    };
    for (const ReportLine& line : r.employees)
        row(line.user, line.figures, line.selfEmployed ? "yes" : "");
    row("TOTALS", r.totals, "");
    for (const FormLine& l : formLines(r))
        text += field(l.number, separator) + separator + field(l.words, separator) + separator + l.value + "\n";
    for (const std::string& w : r.warnings)
        text += std::string("NOTE") + separator + field(w, separator) + "\n";
    return text;
}

Worksheet reportWorksheet(const PayrollReport& r)
{
    Worksheet sheet;
    sheet.page.centerHeader = "Payroll Report, " + reportPeriodTitle(r.period);
    sheet.page.leftMargin = sheet.page.rightMargin = sheet.page.topMargin = sheet.page.bottomMargin = 0.5;
    int row = 1;
    const auto text = [&](int column, const std::string& value, bool bold = false) {
        SheetCell cell;
        cell.row = row, cell.column = column, cell.text = value, cell.font.bold = bold;
        sheet.cells.push_back(cell);
    };
    const auto number = [&](int column, double value, const char* format) {
        SheetCell cell;
        cell.row = row, cell.column = column, cell.number = value, cell.numberFormat = format;
        cell.text = format[0] == '0' && format[1] == '.' ? centsText(static_cast<int64_t>(value * 100)) : std::to_string(static_cast<int64_t>(value));
        sheet.cells.push_back(cell);
    };
    text(1, "user", true), text(2, "periods", true);
    for (size_t k = 0; k < kReportKeys.size(); ++k)
        text(3 + static_cast<int>(k), kReportKeys[k], true);
    text(3 + static_cast<int>(kReportKeys.size()), "self_employed", true);
    const auto figures = [&](const std::string& user, const ReportFigures& f, bool self) {
        ++row;
        text(1, user, user == "TOTALS");
        number(2, f.periods, "0");
        for (size_t k = 0; k < kReportKeys.size(); ++k)
            number(3 + static_cast<int>(k), static_cast<double>(f.cents[k]) / 100.0, "0.00");
        if (self)
            text(3 + static_cast<int>(kReportKeys.size()), "yes");
    };
    for (const ReportLine& line : r.employees)
        figures(line.user, line.figures, line.selfEmployed);
    figures("TOTALS", r.totals, false);
    ++row;
    for (const FormLine& l : formLines(r)) {
        ++row;
        text(1, l.number, true), text(2, l.words);
        SheetCell cell;
        cell.row = row, cell.column = 6, cell.text = l.value;
        cell.number = std::stod(l.value);
        cell.numberFormat = std::string(l.number) == "941 line 1" ? "0" : "0.00";
        sheet.cells.push_back(cell);
    }
    for (const std::string& w : r.warnings) {
        ++row;
        text(1, "NOTE", true), text(2, w);
    }
    sheet.columnWidths.assign(3 + kReportKeys.size(), 14);
    sheet.columnWidths[0] = 16;
    return sheet;
}

void PrintReport(PrintSurface& out, const CompanyHeader& header, const PayrollReport& r,
                 const std::vector<W2Payee>& payees, const std::string& today)
{
    struct Column
    {
        const char* heading;
        size_t key;
    };
    static constexpr Column kColumns[] = {
        {"Gross", Gross},          {"Fed Wages", FederalWages}, {"Fed Tax", FederalTax}, {"SS Wages", SsWages},
        {"SS Tips", SsTips},       {"SS Tax", SsTax},           {"Med Wages", MedicareWages},
        {"Med Tax", MedicareTax},  {"State Tax", StateTax},     {"Local Tax", LocalTax}, {"Net", Net}};
    constexpr int kFirst = 34, kWidth = 14; // "Periods" ends well before the first amount
    Lines p{out};
    out.setLandscape();
    out.setFontName("Arial");
    out.setFontSize(10);
    p.at(1, header.HeaderCompany), p.end();
    p.at(1, header.HeaderAddress), p.end();
    p.at(1, header.HeaderZip), p.at(150, header.HeaderIdNumber), p.end();
    p.end();
    out.setFontSize(12);
    p.at(1, "Payroll Report, " + reportPeriodTitle(r.period)), p.end();
    out.setFontSize(8);
    p.at(1, "Printed " + today), p.end();
    p.end();
    p.at(1, "Employee"), p.at(22, "Periods");
    for (size_t i = 0; i < std::size(kColumns); ++i)
        p.at(kFirst + static_cast<int>(i) * kWidth, kColumns[i].heading);
    p.end();
    const auto row = [&](const std::string& name, const ReportFigures& f) {
        p.at(1, name), p.at(22, std::to_string(f.periods));
        for (size_t i = 0; i < std::size(kColumns); ++i)
            p.at(kFirst + static_cast<int>(i) * kWidth, centsText(f.cents[kColumns[i].key]));
        p.end();
    };
    bool anySelfEmployed = false;
    for (const ReportLine& line : r.employees) {
        row(line.user + (line.selfEmployed ? " *" : ""), line.figures);
        anySelfEmployed = anySelfEmployed || line.selfEmployed;
    }
    p.at(1, std::string(190, '-')), p.end();
    row("TOTALS", r.totals);
    p.end();
    for (const FormLine& l : formLines(r)) {
        p.at(1, l.number), p.at(22, l.words), p.at(90, l.value);
        p.end();
    }
    if (anySelfEmployed || !r.warnings.empty())
        p.end();
    if (anySelfEmployed)
        p.at(1, "* self-employed: Social Security and Medicare are doubled; no W-2."), p.end();
    for (const std::string& w : r.warnings)
        p.at(1, "Note: " + w), p.end();
    out.endDocument();

    if (r.period != ReportPeriod::Year)
        return;
    std::map<std::string, const W2Payee*> byUser;
    for (const W2Payee& payee : payees)
        byUser[payee.user] = &payee;
    for (const ReportLine& line : r.employees) {
        if (line.selfEmployed)
            continue;
        const auto found = byUser.find(line.user);
        const W2Payee none{line.user, line.user, "", "", ""};
        const W2Payee& who = found == byUser.end() ? none : *found->second;
        const auto& c = line.figures.cents;
        out.setFontSize(10);
        p.at(1, header.HeaderCompany), p.at(150, header.HeaderIdNumber), p.end();
        p.end();
        out.setFontSize(12);
        p.at(1, "W-2 Worksheet, 2009: " + line.user), p.end();
        out.setFontSize(10);
        p.end();
        p.at(1, "Employee"), p.at(30, who.name), p.end();
        p.at(30, who.address), p.end();
        p.at(30, who.cityStateZip), p.end();
        p.at(1, "Social security number"), p.at(30, who.ssn), p.end();
        p.end();
        const std::pair<const char*, size_t> boxes[] = {
            {"1  Wages, tips, other compensation", FederalWages}, {"2  Federal income tax withheld", FederalTax},
            {"3  Social security wages", SsWages},               {"4  Social security tax withheld", SsTax},
            {"5  Medicare wages and tips", MedicareWages},       {"6  Medicare tax withheld", MedicareTax},
            {"7  Social security tips", SsTips},                 {"12 D  Elective deferrals (K plan)", KPlan},
            {"16 State wages, tips, etc.", StateWages},          {"17 State income tax", StateTax},
            {"18 Local wages, tips, etc.", LocalWages},          {"19 Local income tax", LocalTax}};
        for (const auto& [words, key] : boxes) {
            p.at(1, std::string("Box ") + words), p.at(60, centsText(c[key]));
            p.end();
        }
        out.endDocument();
    }
}

} // namespace tallyrin
