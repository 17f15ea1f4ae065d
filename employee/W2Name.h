// The name and address an employee's W-2 carries. By default they are read from the profile's
// name, address and city/state/ZIP lines by one rule (splitPersonName, readCityStateZip); where
// the rule cannot read them, or the operator wants otherwise, "<user name>.w2n" holds them.
#pragma once

#include "text/FileOutcome.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

struct EmployeeProfile;

struct W2Name
{
    std::string First, Middle, Last, Suffix;
    std::string Street, City, State, Zip;

    friend bool operator==(const W2Name&, const W2Name&) = default;
};

// The ".w2n" layout: two records of quoted texts, the name (first, middle, last, suffix) and the
// address (street, city, state, ZIP).
template <class IO, class Rec> void w2NameItems(IO& io, Rec& r)
{
    for (auto* t : {&r.First, &r.Middle, &r.Last, &r.Suffix})
        io.text(*t);
    io.endRecord();
    for (auto* t : {&r.Street, &r.City, &r.State, &r.Zip})
        io.text(*t);
    io.endRecord();
}

std::string writeW2NameFile(const W2Name& name);
std::optional<ReadFault> readW2NameFile(const std::string& content, W2Name& name);
// A missing file reads nothing and is no fault; `name` is set only when the file was there.
FileOutcome loadW2NameFile(const std::filesystem::path& path, std::optional<W2Name>& name);
// Replaces the file whole; a failed write leaves the old file untouched.
FileOutcome saveW2NameFile(const std::filesystem::path& path, const W2Name& name);

struct PersonName
{
    std::string first, middle, last, suffix;
};

// A name as a W-2 wants it, upper case: "Sam Poe, Jr." gives first SAM, last POE, suffix JR;
// "Mary Ann Lee" gives first MARY, middle ANN, last LEE; "Poe, Sam A." gives first SAM, middle A,
// last POE. A suffix is JR, SR, II, III, IV or V, with or without its point, after the last name
// or a comma. Letters, hyphens, apostrophes, points and spaces only; the first name at most 15
// letters, the middle 15, the last 20. nullopt when the name is not of that form (one word, a
// digit, the profile's unfilled "Employee's Name", a part too long).
std::optional<PersonName> splitPersonName(const std::string& fullName);

// The W-2 name and address of an employee: the ".w2n" file's when there is one, otherwise read
// from the profile. `problems` gets one line for what cannot be read (the name; the address is
// left empty and noted in `notes`, since a filing takes a W-2 without it).
W2Name w2NameOf(const EmployeeProfile& profile, const std::optional<W2Name>& kept, std::vector<std::string>& problems,
                std::vector<std::string>& notes);

// What is wrong with a typed W-2 name, one line each: an empty first or last name, a part too
// long or not of letters, a state not of two letters, a ZIP not of five or nine digits.
std::vector<std::string> w2NameProblems(const W2Name& name);

} // namespace tallyrin
