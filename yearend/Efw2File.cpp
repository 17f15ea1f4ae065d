#include "yearend/Efw2File.h"

#include "text/Words.h"

#include <cctype>
#include <utility>

namespace tallyrin {
namespace {

// One record under construction: positions are the layout's, 1-based.
class Record
{
public:
    explicit Record(const char* id)
        : m_text(kEfw2RecordLength, ' ')
    {
        text(1, 2, id);
    }
    // Upper case, left-justified, blank-filled; what does not fit is cut; anything but printable
    // ASCII becomes a blank.
    void text(size_t position, size_t width, const std::string& value)
    {
        for (size_t i = 0; i < width && i < value.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(value[i]);
            m_text[position - 1 + i] = c >= 0x20 && c < 0x7f ? static_cast<char>(std::toupper(c)) : ' ';
        }
    }
    // Cents, right-justified and zero-filled (the amounts are never below zero here).
    void money(size_t position, size_t width, int64_t cents)
    {
        std::string digits = std::to_string(cents < 0 ? 0 : cents);
        if (digits.size() > width)
            digits = std::string(width, '9');
        m_text.replace(position - 1, width, std::string(width - digits.size(), '0') + digits);
    }
    // Amount fields of `width` each from `first` to `last` (both inclusive), all zero.
    void zeros(size_t first, size_t last) { m_text.replace(first - 1, last - first + 1, last - first + 1, '0'); }
    void count(size_t position, size_t width, size_t n) { money(position, width, static_cast<int64_t>(n)); }

    std::string line() const { return m_text + "\r\n"; }

private:
    std::string m_text;
};

// "62701-1234" gives "62701" and "1234".
std::pair<std::string, std::string> zipParts(const std::string& zip)
{
    const std::string digits = digitsOf(zip);
    return {digits.substr(0, 5), digits.size() > 5 ? digits.substr(5, 4) : ""};
}


// A street, city, state and ZIP at the layout's delivery address, city, state, ZIP and extension.
void address(Record& r, size_t delivery, const std::string& street, const std::string& city, const std::string& state,
             const std::string& zip)
{
    const auto [zip5, extension] = zipParts(zip);
    r.text(delivery, 22, street);
    r.text(delivery + 22, 22, city);
    r.text(delivery + 44, 2, state);
    r.text(delivery + 46, 5, zip5);
    r.text(delivery + 51, 4, extension);
}

std::string submitter(const EmployerFacts& e)
{
    Record r("RA");
    r.text(3, 9, digitsOf(e.Ein));
    r.text(12, 8, e.UserId);
    r.text(29, 1, "0");  // an original file, not a resubmission
    r.text(36, 2, "98"); // written by the employer's own program
    r.text(38, 57, e.Name);
    address(r, 117, e.Street, e.City, e.State, e.Zip);
    r.text(217, 57, e.Name); // the submitter is the employer
    address(r, 296, e.Street, e.City, e.State, e.Zip);
    r.text(396, 27, e.ContactName);
    r.text(423, 15, digitsOf(e.ContactPhone));
    r.text(446, 40, e.ContactEmail);
    r.text(499, 1, e.ContactEmail.empty() ? "2" : "1"); // problems told by e-mail, else by post
    r.text(500, 1, "L");                                // prepared by the employer itself
    return r.line();
}

std::string employer(const EmployerFacts& e)
{
    Record r("RE");
    r.text(3, 4, "2009");
    r.text(8, 9, digitsOf(e.Ein));
    r.text(26, 1, "0"); // not a terminating business
    r.text(40, 57, e.Name);
    address(r, 119, e.Street, e.City, e.State, e.Zip);
    r.text(219, 1, e.Kind.empty() ? "R" : e.Kind);
    r.text(221, 1, "0"); // no third-party sick pay
    return r.line();
}

void employeeName(Record& r, size_t first, const W2Name& n)
{
    r.text(first, 15, n.First);
    r.text(first + 15, 15, n.Middle);
    r.text(first + 30, 20, n.Last);
    r.text(first + 50, 4, n.Suffix);
}

std::string wages(const W2Form& f)
{
    Record r("RW");
    r.text(3, 9, f.ssn);
    employeeName(r, 12, f.name);
    address(r, 88, f.name.Street, f.name.City, f.name.State, f.name.Zip);
    r.zeros(188, 341);
    r.money(188, 11, f.box(FederalWages));
    r.money(199, 11, f.box(FederalTax));
    r.money(210, 11, f.box(SsWages));
    r.money(221, 11, f.box(SsTax));
    r.money(232, 11, f.box(MedicareWages));
    r.money(243, 11, f.box(MedicareTax));
    r.money(254, 11, f.box(SsTips));
    r.money(287, 11, f.box(KPlan)); // box 12, code D
    r.zeros(353, 396);
    r.zeros(408, 462);
    r.text(486, 1, "0"); // not a statutory employee
    r.text(488, 1, f.retirementPlan ? "1" : "0");
    r.text(489, 1, "0");
    return r.line();
}

std::string stateWages(const W2Form& f, const EmployerFacts& e)
{
    const std::string code = stateNumericCode(f.state);
    Record r("RS");
    r.text(3, 2, code);
    r.text(10, 9, f.ssn);
    employeeName(r, 19, f.name);
    address(r, 95, f.name.Street, f.name.City, f.name.State, f.name.Zip);
    r.zeros(203, 224);
    r.text(248, 20, e.StateAccount);
    r.text(274, 2, code);
    r.money(276, 11, f.box(StateWages));
    r.money(287, 11, f.box(StateTax));
    const bool local = f.box(LocalTax) != 0;
    r.text(308, 1, local ? "C" : "");
    r.money(309, 11, local ? f.box(LocalWages) : 0);
    r.money(320, 11, local ? f.box(LocalTax) : 0);
    return r.line();
}

std::string totals(const YearEnd& y)
{
    const auto& t = y.totals.cents;
    Record r("RT");
    r.count(3, 7, y.forms.size());
    r.zeros(10, 219);
    r.money(10, 15, t[FederalWages]);
    r.money(25, 15, t[FederalTax]);
    r.money(40, 15, t[SsWages]);
    r.money(55, 15, t[SsTax]);
    r.money(70, 15, t[MedicareWages]);
    r.money(85, 15, t[MedicareTax]);
    r.money(100, 15, t[SsTips]);
    r.money(145, 15, t[KPlan]);
    r.zeros(235, 294);
    r.zeros(310, 399);
    return r.line();
}

std::string final(const YearEnd& y)
{
    Record r("RF");
    r.count(8, 9, y.forms.size());
    return r.line();
}

} // namespace

std::string stateNumericCode(const std::string& postal)
{
    static constexpr std::pair<const char*, const char*> kCodes[] = {
        {"AL", "01"}, {"AK", "02"}, {"AZ", "04"}, {"AR", "05"}, {"CA", "06"}, {"CO", "08"}, {"CT", "09"},
        {"DE", "10"}, {"DC", "11"}, {"FL", "12"}, {"GA", "13"}, {"HI", "15"}, {"ID", "16"}, {"IL", "17"},
        {"IN", "18"}, {"IA", "19"}, {"KS", "20"}, {"KY", "21"}, {"LA", "22"}, {"ME", "23"}, {"MD", "24"},
        {"MA", "25"}, {"MI", "26"}, {"MN", "27"}, {"MS", "28"}, {"MO", "29"}, {"MT", "30"}, {"NE", "31"},
        {"NV", "32"}, {"NH", "33"}, {"NJ", "34"}, {"NM", "35"}, {"NY", "36"}, {"NC", "37"}, {"ND", "38"},
        {"OH", "39"}, {"OK", "40"}, {"OR", "41"}, {"PA", "42"}, {"RI", "44"}, {"SC", "45"}, {"SD", "46"},
        {"TN", "47"}, {"TX", "48"}, {"UT", "49"}, {"VT", "50"}, {"VA", "51"}, {"WA", "53"}, {"WV", "54"},
        {"WI", "55"}, {"WY", "56"}};
    for (const auto& [abbreviation, code] : kCodes)
        if (postal == abbreviation)
            return code;
    return "";
}

std::string efw2File(const YearEnd& y)
{
    std::string file = submitter(y.employer) + employer(y.employer);
    for (const W2Form& f : y.forms) {
        file += wages(f);
        if (!f.state.empty())
            file += stateWages(f, y.employer);
    }
    return file + totals(y) + final(y);
}

} // namespace tallyrin
