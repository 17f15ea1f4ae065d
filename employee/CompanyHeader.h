// The company header printed on the pay statements and the year-to-date ledger: four texts kept
// once for all employees in "Header.sav" in the working folder.
#pragma once

#include "text/FileOutcome.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tallyrin {

struct CompanyHeader
{
    std::string HeaderCompany;
    std::string HeaderAddress;
    std::string HeaderZip;
    std::string HeaderIdNumber;

    friend bool operator==(const CompanyHeader&, const CompanyHeader&) = default;
};

inline constexpr const char* kHeaderFileName = "Header.sav";

// The one declaration of the file's items, used to write (SettingsWriter) and to read
// (SettingsReader): one record of four quoted texts.
template <class IO, class Rec> void headerItems(IO& io, Rec& r)
{
    io.text(r.HeaderCompany);
    io.text(r.HeaderAddress);
    io.text(r.HeaderZip);
    io.text(r.HeaderIdNumber);
    io.endRecord();
}

std::string writeHeaderFile(const CompanyHeader& header);

std::filesystem::path headerFilePath(const std::filesystem::path& folder);
bool HeaderFileExists(const std::filesystem::path& folder);
// When "Header.sav" can be read, its four texts replace the header; a missing file changes
// nothing. A damaged or unreadable one is reported (items read before the fault keep their new
// values; items left over after the fourth make the file damaged).
FileOutcome LoadHeader(const std::filesystem::path& folder, CompanyHeader& header);
// Replaces "Header.sav" whole.
FileOutcome SaveHeader(const std::filesystem::path& folder, const CompanyHeader& header);

} // namespace tallyrin
