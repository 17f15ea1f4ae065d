// The employer's filing facts, kept once for all employees in "Employer.sav" in the working folder:
// what the year-end W-2 file and the bank's deposit file need beyond the company header.
#pragma once

#include "text/FileOutcome.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

struct EmployerFacts
{
    // Who files: the EIN (nine digits), the name and the address.
    std::string Ein, Name, Street, City, State, Zip;
    // The state's account number, the submitter's SSA User ID (eight characters) and the contact.
    std::string StateAccount, UserId, ContactName, ContactPhone, ContactEmail;
    // The employer's side of direct deposit: its company ID, its bank's routing number and name.
    std::string CompanyId, BankRouting, BankName;
    // The kind of employer: "R", a 941 filer.
    std::string Kind = "R";

    friend bool operator==(const EmployerFacts&, const EmployerFacts&) = default;
};

// The one declaration of the file's items: four records of quoted texts.
template <class IO, class Rec> void employerItems(IO& io, Rec& r)
{
    for (std::string* t : {&r.Ein, &r.Name, &r.Street, &r.City, &r.State, &r.Zip})
        io.text(*t);
    io.endRecord();
    for (std::string* t : {&r.StateAccount, &r.UserId, &r.ContactName, &r.ContactPhone, &r.ContactEmail})
        io.text(*t);
    io.endRecord();
    for (std::string* t : {&r.CompanyId, &r.BankRouting, &r.BankName})
        io.text(*t);
    io.endRecord();
    io.text(r.Kind);
    io.endRecord();
}

std::string writeEmployerFile(const EmployerFacts& facts);

// "Employer.sav": a missing file changes nothing (Missing); a damaged one is reported.
FileOutcome LoadEmployer(const std::filesystem::path& folder, EmployerFacts& facts);
// Replaces "Employer.sav" whole. When the file could not be read whole when it was loaded
// (`damaged`), it is kept beside itself first; the outcomes in order.
std::vector<FileOutcome> SaveEmployer(const std::filesystem::path& folder, const EmployerFacts& facts, bool damaged);

// A last address line read as city, two-letter state and ZIP or ZIP+4: "Springfield, IL 62701",
// "Springfield IL 62701-1234". nullopt when it is not of that form.
struct CityStateZip
{
    std::string city, state, zip;
};
std::optional<CityStateZip> readCityStateZip(const std::string& line);

// New facts from the company header: the name, the street, and city, state and ZIP read from
// its last line ("Springfield, IL 62701"); the header's ID number as the EIN when it is one.
EmployerFacts employerFromHeader(const std::string& company, const std::string& address, const std::string& cityStateZip,
                                 const std::string& idNumber);

// What is wrong with the facts, one line each (empty when nothing): an EIN not of nine digits, a
// state not of two letters, a ZIP not of five or nine digits, a User ID not of eight characters, a
// routing number not of nine digits or with a wrong check digit. Empty fields are not faults here.
std::vector<std::string> employerProblems(const EmployerFacts& facts);

// Two letters ("IL"); five digits or ZIP+4 ("62701", "62701-1234").
bool isStateCode(const std::string& text);
bool isZipCode(const std::string& text);

// Nine digits whose check digit is right: weights 3, 7, 1 repeated, the sum divisible by 10.
bool routingNumberValid(const std::string& digits);

} // namespace tallyrin
