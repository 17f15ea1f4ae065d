// The bank's direct-deposit file in the ACH format, one batch of PPD credits: a file header (1), a
// batch header (5), an entry detail (6) for each deposit, the batch control (8) and the file
// control (9). Every record is 94 characters and ends with a line end; the file is filled out to
// a whole block of ten records with records of nines. Text is upper case and blank-filled; money
// is in cents, zero-filled, without point or sign.
#pragma once

#include "text/Currency.h"

#include <string>
#include <vector>

namespace tallyrin {

inline constexpr size_t kAchRecordLength = 94;
inline constexpr size_t kAchBlockingFactor = 10;

// Who sends the money: the company and its bank.
struct AchOriginator
{
    std::string companyName, companyId; // the company ID is 10 characters, as the bank gave it
    std::string bankRouting, bankName;  // the originating bank: nine digits and its name
};

// One credit to an employee's account.
struct AchEntry
{
    std::string routing; // nine digits, check digit last
    std::string account; // up to 17 characters
    bool savings = false; // transaction code 32; a checking account takes 22
    Currency amount;
    std::string id;   // the individual identification, up to 15 characters
    std::string name; // up to 22 characters
};

struct AchPayday
{
    AchOriginator originator;
    std::string date; // "YYMMDD": the file's creation date and the entries' effective date
    std::string description = "PAYROLL";
    std::vector<AchEntry> entries;
};

// The whole file. The creation time is 0000, the file ID modifier A and the batch number 1, so
// the same payday always gives the same bytes.
std::string achFile(const AchPayday& payday);

// The entry hash: the sum of the entries' first eight routing digits, its last ten digits.
unsigned long long achEntryHash(const std::vector<AchEntry>& entries);

} // namespace tallyrin
