#include "employee/DepositAccount.h"

#include "employee/EmployerFacts.h"
#include "text/SettingsFormat.h"

#include <algorithm>
#include <cctype>

namespace tallyrin {
namespace {

std::string upperFirst(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace

std::vector<std::string> depositAccountProblems(const DepositAccount& a)
{
    std::vector<std::string> problems;
    const bool nineDigits = a.Routing.size() == 9 && std::all_of(a.Routing.begin(), a.Routing.end(), [](char c) {
                                return std::isdigit(static_cast<unsigned char>(c));
                            });
    if (!nineDigits)
        problems.push_back("the routing number \"" + a.Routing + "\" is not nine digits");
    else if (!routingNumberValid(a.Routing))
        problems.push_back("the routing number " + a.Routing + " has a wrong check digit");
    const bool accountCharacters = std::all_of(a.Account.begin(), a.Account.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ' ';
    });
    if (a.Account.find_first_not_of(' ') == std::string::npos)
        problems.push_back("the account number is empty");
    else if (a.Account.size() > kAccountNumberLength)
        problems.push_back("the account number \"" + a.Account + "\" is longer than 17 characters");
    else if (!accountCharacters)
        problems.push_back("the account number \"" + a.Account + "\" holds characters other than letters, digits, "
                                                                   "hyphens and spaces");
    if (a.Kind != kChecking && a.Kind != kSavings)
        problems.push_back("the account kind \"" + a.Kind + "\" is neither CHECKING nor SAVINGS");
    return problems;
}

std::string writeDepositFile(const DepositAccount& account)
{
    return settingsText([&](SettingsWriter& w) { depositItems(w, account); });
}

std::optional<ReadFault> readDepositFile(const std::string& content, DepositAccount& account)
{
    return readWholeSettingsText(content, 1, [&](SettingsReader& r) { depositItems(r, account); });
}

FileOutcome loadDepositFile(const std::filesystem::path& path, std::optional<DepositAccount>& account)
{
    DepositAccount read;
    FileOutcome outcome =
        loadSettingsFile(path, FileMessageStyle::Profile, [&](SettingsReader& r) { depositItems(r, read); });
    account.reset();
    if (outcome.found() && !outcome.failed())
        account = read;
    // A file read whole but holding an account that is not sound says what is wrong with it.
    if (outcome.fault && outcome.fault->item == 3)
        if (const auto problems = depositAccountProblems(read); !problems.empty())
            for (const std::string& p : problems)
                outcome.lines.push_back(upperFirst(p) + ".");
    return outcome;
}

FileOutcome saveDepositFile(const std::filesystem::path& path, const DepositAccount& account)
{
    return saveSettingsFile(path, FileMessageStyle::Profile, [&](SettingsWriter& w) { depositItems(w, account); });
}

std::string accountEnding(const std::string& account)
{
    std::string bare;
    for (char c : account)
        if (c != ' ' && c != '-')
            bare += c;
    return bare.size() <= 4 ? bare : bare.substr(bare.size() - 4);
}

std::string depositWords(const DepositAccount& account)
{
    return "Direct deposit to account ending " + accountEnding(account.Account);
}

} // namespace tallyrin
