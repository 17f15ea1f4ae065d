// Backups as compressed tar files (.tar.xz), written and read with libarchive.
#pragma once

#include "text/Archive.h"

namespace tallyrin {

// A pax tar compressed with xz (its lightest level); each entry a regular file of mode 0600.
std::optional<std::string> writeTarXz(const std::filesystem::path& path, const std::vector<ArchiveEntry>& entries);

// Reads a .tar.xz whole. Refused, with the reason: another format or compression, a damaged or
// truncated archive, an entry that is not a regular file (a link, a device, a FIFO, a folder), a
// name that is absolute, holds a folder or "..", an entry over kLargestArchiveEntry, more than
// kMostArchiveEntries entries, or a name twice.
ArchiveReading readTarXz(const std::filesystem::path& path);

} // namespace tallyrin
