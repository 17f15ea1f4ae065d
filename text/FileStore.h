// Whole-file reading and atomic replacement of files in the working folder.
#pragma once

#include "text/FileOutcome.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <sys/types.h>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

// No file of the program comes near this size (an employee file holds a few kilobytes); a larger
// one is not read.
inline constexpr std::uintmax_t kLargestFile = 1024 * 1024;

// What reading a whole file came to.
struct FileRead
{
    enum class Status
    {
        Read,
        Missing,    // nothing of that name
        NotAFile,   // a folder, a pipe, a device: not read, never waited on
        TooLarge,   // over kLargestFile
        Unreadable, // there, but the system refused to read it
    };
    Status status = Status::Missing;
    std::string content; // as UTF-8 when read
    std::string problem; // for the operator: why it was not read (empty when read or missing)
};

// Reads a regular file whole without blocking: its bytes as UTF-8, taken as they are when they
// are valid UTF-8, else read as Windows-1252 and converted (a byte-order mark is dropped).
// A file larger than `largest` is not read.
FileRead readFile(const std::filesystem::path& path, std::uintmax_t largest = kLargestFile);
// The same, nullopt unless the file was read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// True when `path` names a regular file (following links), without opening it.
bool fileExists(const std::filesystem::path& path);

// Writes the file's temporary twin in the same folder, flushes it to disk, then renames it over
// `path`. On failure the old file is untouched, the temporary file is removed, and `error` (when
// given) says what failed. The twin has one name per target, so a save killed half-way leaves at
// most one behind; the next save removes it and creates its twin anew, exclusively, so a file or
// link planted at that name is never written through. A save also removes the randomly named
// twins older versions left. Saves run under the folder's lock. A new file is the owner's only
// (0600); a replaced file keeps its mode.
// Done, or WriteFailed with one line naming the file and the system's reason.
FileOutcome replaceFile(const std::filesystem::path& path, std::string_view content);
// Why an existing `target` may not be replaced: a link, a device, a FIFO or a folder stands in its
// place (looked at, never opened, so never waited on). nullopt when it is a regular file or there
// is nothing there. Nothing is ever written through a link or over such a file.
std::optional<std::string> refusedTarget(const std::filesystem::path& target);

// What writing an output came to: nullopt when written, else the reason (the file's own words).
using OutputWriter = std::function<std::optional<std::string>(const std::filesystem::path& temporary)>;

// Writes an output (a print as PDF or text, a workbook, a report) as the employee's files are
// saved: `write` fills the target's temporary twin, which is then flushed and renamed over the
// target. A target refused by refusedTarget is not touched; on any failure the previous file stays
// as it was and the twin is removed. Done, or WriteFailed with one line naming the file and why.
FileOutcome writeOutputFile(const std::filesystem::path& target, const OutputWriter& write);
FileOutcome writeOutputFile(const std::filesystem::path& target, std::string_view content);

// What an output must never replace beyond what refusedTarget refuses: the caller that knows the
// working folder names its own files here (an employee's files, the header, the tables, the lock).
// The reason, or nullopt when the target may be written.
using OutputGuard = std::function<std::optional<std::string>(const std::filesystem::path& target)>;
// Puts `guard` in force for every output while it lives; the guard before it comes back after.
class OutputGuardScope
{
public:
    explicit OutputGuardScope(OutputGuard guard);
    ~OutputGuardScope();
    OutputGuardScope(const OutputGuardScope&) = delete;
    OutputGuardScope& operator=(const OutputGuardScope&) = delete;

private:
    OutputGuard m_previous;
};
// Why `target` may not be written as an output: refusedTarget's reasons and the guard's.
std::optional<std::string> refusedOutput(const std::filesystem::path& target);

// The same write in steps, for an output filled over a long run (a payday's combined PDF, page by
// page): the target is checked and its temporary twin made at the start, new, empty and only the
// owner's, under a name no other twin shares (two runs writing one target never meet); the caller
// fills the twin; commit checks that it is still the file made here, flushes and renames it over
// the target. A twin never committed is removed, and the previous file stays as it was.
class OutputTwin
{
public:
    explicit OutputTwin(std::filesystem::path target);
    ~OutputTwin();
    OutputTwin(const OutputTwin&) = delete;
    OutputTwin& operator=(const OutputTwin&) = delete;

    // Why the target cannot be written at all (WriteFailed), checked before anything is written.
    const std::optional<FileOutcome>& refused() const { return m_refused; }
    const std::filesystem::path& target() const { return m_target; }
    const std::filesystem::path& temporary() const { return m_temporary; }
    // Puts the filled twin in place, unless `failed` gives the reason the filling failed.
    FileOutcome commit(const std::optional<std::string>& failed);

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::optional<FileOutcome> m_refused;
    bool m_done = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

// Copies a damaged `path` beside itself before a save replaces it: "<name>.damaged", or, when an
// earlier copy holds that name, "<name>.damaged.1", ".2" ... KeptAside with the copy as its file,
// or WriteFailed with the reason when it could not be made.
FileOutcome keepAside(const std::filesystem::path& path);

// The system calls a replace makes on its temporary file and its folder. The real ones unless a
// test puts recording or failing stand-ins here, to see the order of the flushes and the rename,
// or a disk that fills at a given byte.
struct ReplaceCalls
{
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
};
ReplaceCalls& replaceCalls();

// The name of the temporary twin of `path`: ".<name>.tmp" in the same folder.
std::filesystem::path temporaryTwin(const std::filesystem::path& path);

} // namespace tallyrin
