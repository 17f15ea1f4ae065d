// The system's messages about files, each written in one place. Lines are returned one by one;
// FileOutcome::message() joins them by CR LF as a message box shows them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallyrin::messages {

// A state, city, non-city or ledger file that cannot be read to its end.
std::vector<std::string> corruptFile(std::string_view fileName);
// A state, city or non-city settings file that could not be written.
std::vector<std::string> checkYourNumbers();
// A profile file (.use, .and, .cfe, .ovw, .ovb) that is there but could not be opened, or that
// stopped reading at `line`.
std::vector<std::string> profileNotOpened(std::string_view fileName);
std::vector<std::string> profileReadStopped(std::string_view fileName, int line);
// A profile-style file holding items after the last one of its layout.
std::vector<std::string> itemsLeftOver(std::string_view fileName);
// Any other file that could not be written, with the reason the system gave.
std::vector<std::string> notSaved(std::string_view fileName, std::string_view reason);
// The ledger file that could not be written.
std::vector<std::string> ledgerNotSaved(std::string_view fileName, std::string_view reason);
// The federal table file: missing (naming the working folder), or damaged at `where`.
std::vector<std::string> federalTablesMissing(std::string_view folderText);
std::vector<std::string> federalTablesDamaged(std::string_view fileName, std::string_view where);
std::vector<std::string> federalTablesUnreadable(std::string_view fileName, std::string_view why);
// A file that is there but could not be read at all (a folder, a pipe, too large, refused).
std::vector<std::string> notReadable(std::string_view fileName, std::string_view why);
// A damaged year-to-date ledger: left as it is, and kept aside before a save replaces it.
std::vector<std::string> ledgerDamaged(std::string_view fileName, std::string_view why);
// A damaged file kept aside before a save replaced it.
std::vector<std::string> keptAside(std::string_view fileName, std::string_view keptName);
std::vector<std::string> notKeptAside(std::string_view fileName, std::string_view why);

// A bad item as a message quotes it: in double quotes, at most 60 characters (a damaged file may
// hold one item of megabytes), control characters shown escaped ("\t", "\x01").
std::string shortQuote(std::string_view item);
// The system's CR LF line breaks as plain line breaks (for standard error and the payday's lines).
std::string plainLines(std::string text);
// Lines joined by CR LF.
std::string joined(const std::vector<std::string>& lines);

} // namespace tallyrin::messages
