#include "yearend/W2Prints.h"

namespace tallyrin {
namespace {

constexpr int kRight = 60; // the column of the boxes on the right half

using Lines = PrintLines;

std::string cityLine(const std::string& city, const std::string& state, const std::string& zip)
{
    std::string line = city;
    if (!state.empty())
        line += (line.empty() ? "" : ", ") + state;
    if (!zip.empty())
        line += (line.empty() ? "" : " ") + zip;
    return line;
}

std::string personName(const W2Name& n)
{
    std::string text = n.First;
    for (const std::string* part : {&n.Middle, &n.Last, &n.Suffix})
        if (!part->empty())
            text += " " + *part;
    return text;
}

// One line of the right half: one or two boxes with their amounts, or one long box.
struct Boxes
{
    std::string left, leftAmount, right, rightAmount;
};

void copy(PrintSurface& out, const YearEnd& y, const W2Form& f, const char* which)
{
    const EmployerFacts& e = y.employer;
    const auto money = [&](size_t key) { return centsText(f.box(key)); };
    const std::string left[] = {"a Employee's social security number",
                                "  " + (f.ssnShown.empty() ? ssnText(f.ssn) : f.ssnShown),
                                "b Employer identification number (EIN)",
                                "  " + einText(e.Ein),
                                "c Employer's name, address, and ZIP code",
                                "  " + e.Name,
                                "  " + e.Street,
                                "  " + cityLine(e.City, e.State, e.Zip),
                                "d Control number  " + f.user,
                                "e Employee's first name and initial, last name, suff.",
                                "  " + personName(f.name),
                                "f Employee's address and ZIP code",
                                "  " + f.name.Street,
                                "  " + cityLine(f.name.City, f.name.State, f.name.Zip)};
    const Boxes right[] = {
        {"OMB No. 1545-0008", "", "", ""},
        {"1 Wages, tips, other compensation", money(FederalWages), "2 Federal income tax withheld", money(FederalTax)},
        {"3 Social security wages", money(SsWages), "4 Social security tax withheld", money(SsTax)},
        {"5 Medicare wages and tips", money(MedicareWages), "6 Medicare tax withheld", money(MedicareTax)},
        {"7 Social security tips", money(SsTips), "8 Allocated tips", ""},
        {"9 Advance EIC payment", "", "10 Dependent care benefits", ""},
        {"11 Nonqualified plans", "", "12a", f.box(KPlan) ? "D  " + money(KPlan) : ""},
        {"13 Statutory employee [ ]   Retirement plan [" + std::string(f.retirementPlan ? "X" : " ") +
             "]   Third-party sick pay [ ]",
         "", "", ""},
        {"14 Other", f.box(Sdi) ? "SDI  " + money(Sdi) : "", "", ""},
    };
    Lines p{out};
    out.setFontSize(9);
    p.at(1, "Form W-2 Wage and Tax Statement 2009").at(kRight, which);
    p.end();
    out.setFontSize(8);
    for (size_t i = 0; i < std::size(left); ++i) {
        p.at(1, left[i]);
        if (i < std::size(right)) {
            const Boxes& b = right[i];
            p.at(kRight, b.left);
            if (!b.leftAmount.empty())
                p.at(kRight + 38, b.leftAmount);
            if (!b.right.empty())
                p.at(kRight + 52, b.right);
            if (!b.rightAmount.empty())
                p.at(kRight + 88, b.rightAmount);
        }
        p.end();
    }
    p.at(1, "15 State").at(10, "Employer's state ID number").at(40, "16 State wages, tips, etc.");
    p.at(68, "17 State income tax").at(92, "18 Local wages, tips, etc.").at(120, "19 Local income tax");
    p.at(142, "20 Locality name");
    p.end();
    if (f.box(StateTax) != 0) {
        if (!f.state.empty())
            p.at(3, f.state).at(10, e.StateAccount);
        p.at(40, money(StateWages)).at(68, money(StateTax));
    }
    if (!f.locality.empty())
        p.at(92, money(LocalWages)).at(120, money(LocalTax)).at(142, f.locality);
    p.end();
}

void cutLine(PrintSurface& out)
{
    Lines p{out};
    out.setFontSize(8);
    p.end();
    std::string dashes;
    for (int i = 0; i < 40; ++i)
        dashes += "- ";
    p.at(1, dashes + " cut here " + dashes), p.end();
    p.end();
}

void transmittal(PrintSurface& out, const YearEnd& y)
{
    const EmployerFacts& e = y.employer;
    const auto& t = y.totals.cents;
    Lines p{out};
    out.setFontSize(11);
    p.at(1, "Form W-3 Transmittal of Wage and Tax Statements 2009"), p.end();
    out.setFontSize(9);
    p.end();
    p.at(1, "b Kind of Payer").at(48, e.Kind == "R" || e.Kind.empty() ? "941 [X]" : e.Kind), p.end();
    p.at(1, "c Total number of Forms W-2").at(48, std::to_string(y.forms.size())), p.end();
    p.at(1, "e Employer identification number (EIN)").at(48, einText(e.Ein)), p.end();
    p.at(1, "f Employer's name").at(48, e.Name), p.end();
    p.at(1, "g Employer's address and ZIP code").at(48, e.Street), p.end();
    p.at(48, cityLine(e.City, e.State, e.Zip)), p.end();
    p.end();
    const std::pair<const char*, size_t> boxes[] = {
        {"1 Wages, tips, other compensation", FederalWages}, {"2 Federal income tax withheld", FederalTax},
        {"3 Social security wages", SsWages},               {"4 Social security tax withheld", SsTax},
        {"5 Medicare wages and tips", MedicareWages},       {"6 Medicare tax withheld", MedicareTax},
        {"7 Social security tips", SsTips},                 {"12 Deferred compensation", KPlan},
        {"14 Other (SDI)", Sdi},                            {"16 State wages, tips, etc.", StateWages},
        {"17 State income tax", StateTax},                  {"18 Local wages, tips, etc.", LocalWages},
        {"19 Local income tax", LocalTax}};
    for (const auto& [words, key] : boxes) {
        p.at(1, words).at(48, centsText(t[key]));
        p.end();
    }
    p.end();
    p.at(1, "15 State / Employer's state ID number").at(48, e.State + "  " + e.StateAccount), p.end();
    p.at(1, "Contact person").at(48, e.ContactName), p.end();
    p.at(1, "Telephone number").at(48, e.ContactPhone), p.end();
    p.at(1, "Email address").at(48, e.ContactEmail), p.end();
    if (!y.selfEmployed.empty()) {
        p.end();
        std::string names;
        for (const std::string& user : y.selfEmployed)
            names += (names.empty() ? "" : ", ") + user;
        p.at(1, "Self-employed, no W-2: " + names), p.end();
    }
    out.endDocument();
}

} // namespace

void PrintW2s(PrintSurface& out, const YearEnd& y)
{
    out.setFontName("Arial");
    for (const W2Form& f : y.forms) {
        copy(out, y, f, "Copy B - To Be Filed With Employee's FEDERAL Tax Return");
        cutLine(out);
        copy(out, y, f, "Copy C - For EMPLOYEE'S RECORDS");
        cutLine(out);
        copy(out, y, f, "Copy 2 - To Be Filed With Employee's State, City, or Local Income Tax Return");
        out.endDocument();
    }
    transmittal(out, y);
}

} // namespace tallyrin
