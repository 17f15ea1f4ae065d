#include "employee/EmployerFacts.h"

#include "employee/EmployeeStore.h"
#include "text/FileStore.h"
#include "text/SettingsFormat.h"
#include "text/Trim.h"
#include "text/Words.h"

#include <algorithm>
#include <cctype>

namespace tallyrin {
namespace {

std::filesystem::path employerFile(const std::filesystem::path& folder) { return folder / kEmployerFileName; }


} // namespace

std::string writeEmployerFile(const EmployerFacts& facts)
{
    EmployerFacts copy = facts;
    return settingsText([&](SettingsWriter& w) { employerItems(w, copy); });
}

FileOutcome LoadEmployer(const std::filesystem::path& folder, EmployerFacts& facts)
{
    return loadSettingsFile(employerFile(folder), FileMessageStyle::Profile,
                            [&](SettingsReader& r) { employerItems(r, facts); });
}

std::vector<FileOutcome> SaveEmployer(const std::filesystem::path& folder, const EmployerFacts& facts, bool damaged)
{
    std::vector<FileOutcome> outcomes;
    if (damaged && fileExists(employerFile(folder))) {
        outcomes.push_back(keepAside(employerFile(folder)));
        if (outcomes.back().failed())
            return outcomes;
    }
    EmployerFacts copy = facts;
    outcomes.push_back(saveSettingsFile(employerFile(folder), FileMessageStyle::Profile,
                                        [&](SettingsWriter& w) { employerItems(w, copy); }));
    return outcomes;
}

std::optional<CityStateZip> readCityStateZip(const std::string& line)
{
    const std::vector<std::string> words = wordsOf(line);
    if (words.size() < 3)
        return std::nullopt;
    const std::string zip = words.back();
    std::string state = words[words.size() - 2];
    if (!state.empty() && state.back() == ',')
        state.pop_back();
    const bool zip5 = zip.size() == 5 && digitsOf(zip) == zip;
    const bool zip9 = zip.size() == 10 && zip[5] == '-' && digitsOf(zip).size() == 9;
    const bool letters = state.size() == 2 && std::isalpha(static_cast<unsigned char>(state[0])) &&
                         std::isalpha(static_cast<unsigned char>(state[1]));
    if (!(zip5 || zip9) || !letters)
        return std::nullopt;
    CityStateZip out;
    for (size_t i = 0; i + 2 < words.size(); ++i)
        out.city += (i ? " " : "") + words[i];
    if (!out.city.empty() && out.city.back() == ',')
        out.city.pop_back();
    if (out.city.empty())
        return std::nullopt;
    for (char c : state)
        out.state += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    out.zip = zip;
    return out;
}

EmployerFacts employerFromHeader(const std::string& company, const std::string& address, const std::string& cityStateZip,
                                 const std::string& idNumber)
{
    EmployerFacts facts;
    facts.Name = std::string(trimmed(company));
    facts.Street = std::string(trimmed(address));
    if (const auto place = readCityStateZip(cityStateZip)) {
        facts.City = place->city;
        facts.State = place->state;
        facts.Zip = place->zip;
    }
    if (digitsOf(idNumber).size() == 9)
        facts.Ein = digitsOf(idNumber);
    return facts;
}

bool isStateCode(const std::string& text)
{
    return text.size() == 2 && std::isalpha(static_cast<unsigned char>(text[0])) &&
           std::isalpha(static_cast<unsigned char>(text[1]));
}

bool isZipCode(const std::string& text) { return readCityStateZip("X XX " + text).has_value(); }

bool routingNumberValid(const std::string& digits)
{
    if (digits.size() != 9 || digitsOf(digits) != digits)
        return false;
    static constexpr int weights[] = {3, 7, 1, 3, 7, 1, 3, 7, 1};
    int sum = 0;
    for (size_t i = 0; i < 9; ++i)
        sum += (digits[i] - '0') * weights[i];
    return sum % 10 == 0;
}

std::vector<std::string> employerProblems(const EmployerFacts& f)
{
    std::vector<std::string> problems;
    const auto digitsOnly = [](const std::string& text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '-'; });
    };
    if (!f.Ein.empty() && (digitsOf(f.Ein).size() != 9 || !digitsOnly(f.Ein)))
        problems.push_back("The EIN \"" + f.Ein + "\" is not nine digits (NN-NNNNNNN).");
    if (!f.State.empty() && !isStateCode(f.State))
        problems.push_back("The state \"" + f.State + "\" is not two letters.");
    if (!f.Zip.empty() && !isZipCode(f.Zip))
        problems.push_back("The ZIP code \"" + f.Zip + "\" is not five digits or ZIP+4 (NNNNN-NNNN).");
    if (!f.UserId.empty() && f.UserId.size() != 8)
        problems.push_back("The SSA User ID \"" + f.UserId + "\" is not eight characters.");
    if (!f.BankRouting.empty() && !routingNumberValid(f.BankRouting))
        problems.push_back("The bank routing number \"" + f.BankRouting +
                           "\" is not nine digits with a right check digit.");
    if (!f.Kind.empty() && f.Kind != "R")
        problems.push_back("The kind of employer \"" + f.Kind + "\" is not R (a 941 filer).");
    return problems;
}

} // namespace tallyrin
