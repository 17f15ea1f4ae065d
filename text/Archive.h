// The files of an archive as the program writes and reads them: plain files of the working
// folder, each a name, its bytes and its time. The archive format itself is reached through the
// platform's adapter.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

struct ArchiveEntry
{
    std::string name;  // a plain file name, no folder
    std::string bytes;
    int64_t mtime = 0; // seconds since 1970
};

// What an archive holds, or why it is refused whole (`problem` not empty).
struct ArchiveReading
{
    std::vector<ArchiveEntry> entries;
    std::string problem;
};

// The limits an archive from outside is held to.
inline constexpr uint64_t kLargestArchiveEntry = 10 * 1024 * 1024;
inline constexpr size_t kMostArchiveEntries = 100000;

// Writes `entries` as one archive into the file `path` (a fresh temporary twin); the reason
// when it could not.
using ArchiveWriter = std::function<std::optional<std::string>(const std::filesystem::path& path,
                                                                const std::vector<ArchiveEntry>& entries)>;
// Reads a whole archive, refusing anything but plain files with plain names within the limits.
using ArchiveReader = std::function<ArchiveReading(const std::filesystem::path& path)>;

} // namespace tallyrin
