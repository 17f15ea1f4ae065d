// Settings files whose items are declared once. A format is one function template over the IO
// object, called with a SettingsReader to read the file and with a SettingsWriter to write it:
//
//     template <class IO, class Settings> void cityItems(IO& io, Settings& s)
//     {
//         io.single(s.CityMinBS[0]) ...; io.endRecord();
//     }
//
// loadSettingsFile and saveSettingsFile then do the file work and word the outcome.
#pragma once

#include "text/FileOutcome.h"
#include "text/SettingsFile.h"

#include <filesystem>
#include <functional>
#include <string>

namespace tallyrin {

// How a file kind words its faults.
enum class FileMessageStyle
{
    Settings, // "You have corupted a file." / "Check your numbers", then the file and the reason
    Profile,  // "could not be read completely" naming the line / "could not be saved" with the
              // reason
    Ledger,   // the year-to-date ledger: damaged, kept as it is and copied aside before the next
              // save (never "delete it": the file holds the year's pay)
};

// Reads `file` through `items`. Missing: nothing read. Corrupt: reading stopped at the first fault
// (the items read before it keep their new values, the rest are left as they were), or items were
// left over after the layout's last, or the file is there but is no regular file of a sensible
// size (nothing read).
FileOutcome loadSettingsFile(const std::filesystem::path& file, FileMessageStyle style,
                             const std::function<void(SettingsReader&)>& items);

// Replaces `file` whole with what `items` writes; on failure the old file is untouched.
FileOutcome saveSettingsFile(const std::filesystem::path& file, FileMessageStyle style,
                             const std::function<void(SettingsWriter&)>& items);

// The text `items` writes.
inline std::string settingsText(const std::function<void(SettingsWriter&)>& items)
{
    SettingsWriter w;
    items(w);
    return w.str();
}

// Reads `content` through `items`; the first fault, or nullopt when every item was read.
inline std::optional<ReadFault> readSettingsText(std::string content, const std::function<void(SettingsReader&)>& items)
{
    SettingsReader r(std::move(content));
    items(r);
    return r.fault();
}

// Reads `content`, a whole file of `lines` lines, through `items`: the first fault, items left
// over after the last line included; nullopt when every item was read and nothing is left.
inline std::optional<ReadFault> readWholeSettingsText(std::string content, int lines,
                                                      const std::function<void(SettingsReader&)>& items)
{
    SettingsReader r(std::move(content));
    items(r);
    if (r.ok() && !r.atEnd())
        return ReadFault{0, lines + 1, "items left over after line " + std::to_string(lines)};
    return r.fault();
}

} // namespace tallyrin
