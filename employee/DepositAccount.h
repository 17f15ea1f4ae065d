// The bank account an employee is paid into by direct deposit, kept in "<user name>.dd": the
// routing number of the employee's bank (nine digits with their check digit), the account number
// (up to 17 letters, digits, hyphens or spaces) and its kind, CHECKING or SAVINGS. An employee
// without the file is paid by check.
#pragma once

#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace tallyrin {

inline constexpr const char* kChecking = "CHECKING";
inline constexpr const char* kSavings = "SAVINGS";
inline constexpr size_t kAccountNumberLength = 17;

struct DepositAccount
{
    std::string Routing, Account;
    std::string Kind = kChecking;

    bool savings() const { return Kind == kSavings; }
    friend bool operator==(const DepositAccount&, const DepositAccount&) = default;
};

// What is wrong with an account, one line each (empty when nothing): a routing number that is not
// nine digits or whose check digit is wrong, an account number that is empty, too long or holds
// other characters, a kind that is neither CHECKING nor SAVINGS.
std::vector<std::string> depositAccountProblems(const DepositAccount& account);

// The ".dd" layout: one record of three quoted texts, routing number, account number, kind. A file
// whose account is not sound is refused as it is read, naming what is wrong.
template <class IO, class Rec> void depositItems(IO& io, Rec& r)
{
    io.text(r.Routing), io.text(r.Account), io.text(r.Kind);
    io.endRecord();
    if constexpr (std::is_same_v<IO, SettingsReader>)
        if (io.ok())
            if (const auto problems = depositAccountProblems(r); !problems.empty())
                io.reject(problems.front());
}

std::string writeDepositFile(const DepositAccount& account);
std::optional<ReadFault> readDepositFile(const std::string& content, DepositAccount& account);
// A missing file reads nothing and is no fault; `account` is set only when the file was read whole.
FileOutcome loadDepositFile(const std::filesystem::path& path, std::optional<DepositAccount>& account);
// Replaces the file whole; a failed write leaves the old file untouched.
FileOutcome saveDepositFile(const std::filesystem::path& path, const DepositAccount& account);

// The last four characters of the account number, as a statement names it.
std::string accountEnding(const std::string& account);
// "Direct deposit to account ending 1234", as the statement and the payday's summary say it.
std::string depositWords(const DepositAccount& account);

} // namespace tallyrin
