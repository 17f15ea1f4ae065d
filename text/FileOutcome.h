// What reading or writing one file came to, with the message lines the operator is to see. Every
// file kind of the program reports through this one type; the callers show the lines (or, on the
// command line, print them) and the files never talk to the operator.
#pragma once

#include "text/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tallyrin {

struct FileOutcome
{
    enum class Kind
    {
        Done,        // read whole, or written
        Missing,     // no file to read: nothing was read, and that is no error
        Corrupt,     // there but not readable to its end (or not readable at all)
        WriteFailed, // the file could not be replaced; the old one is whole
        KeptAside,   // a damaged file was copied aside before a save replaced it: said, no fault
    };
    Kind kind = Kind::Done;
    std::filesystem::path file;
    std::vector<std::string> lines; // the message to show, one entry a line; empty when none
    std::optional<ReadFault> fault; // where a corrupt settings file stopped reading

    static FileOutcome done(std::filesystem::path file = {}) { return {Kind::Done, std::move(file), {}, {}}; }
    static FileOutcome missing(std::filesystem::path file) { return {Kind::Missing, std::move(file), {}, {}}; }
    static FileOutcome corrupt(std::filesystem::path file, std::vector<std::string> lines,
                               std::optional<ReadFault> fault = {})
    {
        return {Kind::Corrupt, std::move(file), std::move(lines), std::move(fault)};
    }
    static FileOutcome keptAside(std::filesystem::path file, std::vector<std::string> lines)
    {
        return {Kind::KeptAside, std::move(file), std::move(lines), {}};
    }
    static FileOutcome writeFailed(std::filesystem::path file, std::vector<std::string> lines)
    {
        return {Kind::WriteFailed, std::move(file), std::move(lines), {}};
    }

    bool failed() const { return kind == Kind::Corrupt || kind == Kind::WriteFailed; }
    bool found() const { return kind != Kind::Missing; }
    // The message box text: the lines joined by CR LF.
    std::string message() const;
};

} // namespace tallyrin
