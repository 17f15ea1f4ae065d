#include "text/FileStore.h"

#include <mutex>
#include <random>
#include <set>
#include <utility>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyrin {

namespace {

bool isValidUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        uint32_t code = 0;
        uint32_t minimum = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
            minimum = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
            minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + length > s.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void appendUtf8(std::string& out, uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252 bytes 0x80-0x9F; the five unassigned bytes keep their own code points.
constexpr std::array<uint16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string windows1252ToUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c <= 0x9F)
            appendUtf8(out, kWindows1252High[c - 0x80]);
        else
            appendUtf8(out, c);
    }
    return out;
}

std::string systemError(const std::string& what, const std::filesystem::path& path, int error)
{
    return what + " " + path.string() + ": " + std::strerror(error);
}

ReplaceCalls g_replaceCalls{::write, ::fsync, ::close, ::rename};

// Writes all of `content`, going on after partial writes and interruptions.
bool writeAll(int fd, std::string_view content)
{
    const char* data = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t written = g_replaceCalls.write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

FileRead readFile(const std::filesystem::path& path, std::uintmax_t largest)
{
    FileRead read;
    // Open without blocking, so a pipe in the file's place cannot hold the program; then read
    // only what is a regular file of a sensible size.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            read.status = FileRead::Status::Missing;
        } else {
            std::error_code ec;
            const bool regular = std::filesystem::is_regular_file(path, ec);
            read.status = regular ? FileRead::Status::Unreadable : FileRead::Status::NotAFile;
            read.problem = regular ? std::string("It cannot be read: ") + std::strerror(error)
                                   : "It is not a file (a folder, a device or a pipe).";
        }
        return read;
    }
    struct stat info
    {
    };
    const auto finish = [&](FileRead::Status status, std::string problem) {
        ::close(fd);
        read.status = status;
        read.problem = std::move(problem);
        return read;
    };
    if (::fstat(fd, &info) != 0)
        return finish(FileRead::Status::Unreadable, std::string("It cannot be read: ") + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return finish(FileRead::Status::NotAFile, "It is not a file (a folder, a device or a pipe).");
    if (static_cast<std::uintmax_t>(info.st_size) > largest)
        return finish(FileRead::Status::TooLarge, "It is larger than any file of the program can be (" +
                                                      std::to_string(info.st_size) + " bytes).");
    std::string content;
    // Read to the end, but never past the limit: the file may grow while it is read.
    std::array<char, 8192> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return finish(FileRead::Status::Unreadable, std::string("It cannot be read: ") + std::strerror(errno));
        }
        if (got == 0)
            break;
        content.append(buffer.data(), static_cast<size_t>(got));
        if (content.size() > largest)
            return finish(FileRead::Status::TooLarge, "It is larger than any file of the program can be.");
    }
    ::close(fd);
    // The program writes no byte-order mark, but a file saved by a text editor may carry one.
    if (content.rfind("\xEF\xBB\xBF", 0) == 0)
        content.erase(0, 3);
    read.status = FileRead::Status::Read;
    read.content = isValidUtf8(content) ? std::move(content) : windows1252ToUtf8(content);
    return read;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path)
{
    FileRead read = readFile(path);
    if (read.status != FileRead::Status::Read)
        return std::nullopt;
    return std::move(read.content);
}

bool fileExists(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

namespace {

// True when `path` is a regular file whose bytes are exactly `content`.
bool holdsExactly(const std::filesystem::path& path, std::string_view content)
{
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<uint64_t>(info.st_size) != content.size())
        return false;
    std::ifstream in(path, std::ios::binary);
    std::string bytes(content.size(), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return content.empty() && in.is_open();
    return bytes == content;
}

} // namespace

FileOutcome keepAside(const std::filesystem::path& path)
{
    std::error_code ec;
    for (int n = 0; n < 1000; ++n) {
        std::filesystem::path kept = path;
        kept += n == 0 ? std::string(".damaged") : ".damaged." + std::to_string(n);
        if (std::filesystem::exists(std::filesystem::symlink_status(kept, ec)))
            continue;
        // Only a regular file's bytes are copied; a folder or pipe in the file's place is moved
        // aside whole, for there is nothing to copy from it.
        if (std::filesystem::is_regular_file(path, ec))
            std::filesystem::copy_file(path, kept, ec);
        else
            std::filesystem::rename(path, kept, ec);
        if (ec)
            return FileOutcome::writeFailed(path, {ec.message()});
        return FileOutcome::keptAside(kept, {});
    }
    return FileOutcome::writeFailed(path, {"too many kept copies"});
}

ReplaceCalls& replaceCalls() { return g_replaceCalls; }

std::filesystem::path temporaryTwin(const std::filesystem::path& path)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    return folder / ("." + path.filename().string() + ".tmp");
}

namespace {

// Earlier versions named the twin ".<name>.tmp<digits>", a new name every time; those a killed
// save left behind are removed. The folder is looked through once per process, at its first save:
// looking through it at every save made a payday's cost grow with the square of the staff.
void removeStaleTwins(const std::filesystem::path& folder)
{
    static std::mutex mutex;
    static std::set<std::string> cleaned;
    {
        std::error_code ec;
        const std::string key = std::filesystem::absolute(folder, ec).lexically_normal().string();
        std::lock_guard guard(mutex);
        if (!cleaned.insert(key).second)
            return;
    }
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        const size_t tmp = entry.rfind(".tmp");
        if (entry.size() < 2 || entry[0] != '.' || tmp == std::string::npos || tmp + 4 == entry.size() ||
            entry.find_first_not_of("0123456789", tmp + 4) != std::string::npos)
            continue;
        std::error_code ignored;
        std::filesystem::remove(it->path(), ignored);
    }
}

} // namespace

namespace {

OutputGuard& outputGuard()
{
    static OutputGuard guard;
    return guard;
}

// A name for an output's twin that no other twin shares: ".<name>.<16 hex digits>.tmp".
std::filesystem::path uniqueTwin(const std::filesystem::path& target)
{
    static std::mutex mutex;
    static std::random_device device;
    static std::mt19937_64 numbers(device() ^ (static_cast<uint64_t>(::getpid()) << 32));
    uint64_t n = 0;
    {
        std::lock_guard guard(mutex);
        n = numbers();
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(n));
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    return folder / ("." + target.filename().string() + "." + hex + ".tmp");
}

} // namespace

OutputGuardScope::OutputGuardScope(OutputGuard guard)
    : m_previous(std::exchange(outputGuard(), std::move(guard)))
{
}

OutputGuardScope::~OutputGuardScope() { outputGuard() = std::move(m_previous); }

std::optional<std::string> refusedOutput(const std::filesystem::path& target)
{
    if (auto refused = refusedTarget(target))
        return refused;
    if (outputGuard())
        return outputGuard()(target);
    return std::nullopt;
}

std::optional<std::string> refusedTarget(const std::filesystem::path& target)
{
    struct stat info
    {
    };
    if (::lstat(target.c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return std::nullopt;
    if (S_ISLNK(info.st_mode))
        return "it is a symbolic link; nothing is written through a link";
    if (S_ISDIR(info.st_mode))
        return "it is a folder";
    if (S_ISFIFO(info.st_mode))
        return "it is a pipe (FIFO)";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return "it is a device";
    return "it is not a regular file";
}

namespace {

FileOutcome outputFailed(const std::filesystem::path& target, const std::string& why)
{
    return FileOutcome::writeFailed(target, {target.string() + " could not be written: " + why});
}

// Flushes `file` to disk; the reason when it could not be.
std::optional<std::string> flushFile(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return std::string(std::strerror(errno));
    const int flushed = g_replaceCalls.fsync(fd);
    const int error = errno;
    g_replaceCalls.close(fd);
    if (flushed != 0)
        return std::string(std::strerror(error));
    return std::nullopt;
}

void flushFolder(const std::filesystem::path& folder)
{
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        g_replaceCalls.fsync(folderFd);
        g_replaceCalls.close(folderFd);
    }
}

} // namespace

OutputTwin::OutputTwin(std::filesystem::path target)
    : m_target(std::move(target))
{
    if (const auto refused = refusedOutput(m_target)) {
        m_refused = outputFailed(m_target, *refused);
        m_done = true; // nothing of ours to remove
        return;
    }
    // Made here, new and exclusively: whatever stands at a name already taken is never opened.
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        m_temporary = uniqueTwin(m_target);
        fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    struct stat info
    {
    };
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const std::string why = std::string("cannot create its temporary file: ") + std::strerror(errno);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(m_temporary.c_str());
        }
        m_refused = outputFailed(m_target, why);
        m_done = true;
        return;
    }
    // The output keeps the mode of the file it replaces.
    struct stat old
    {
    };
    if (::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    m_device = info.st_dev;
    m_inode = info.st_ino;
    ::close(fd);
}

OutputTwin::~OutputTwin()
{
    if (!m_done)
        ::unlink(m_temporary.c_str());
}

FileOutcome OutputTwin::commit(const std::optional<std::string>& failed)
{
    if (m_refused)
        return *m_refused;
    m_done = true;
    const auto abandon = [&](const std::string& why) {
        ::unlink(m_temporary.c_str());
        return outputFailed(m_target, why);
    };
    if (failed)
        return abandon(*failed);
    struct stat info
    {
    };
    if (::lstat(m_temporary.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return abandon("nothing was written");
    // Still the file made at the start, and no other name leads to it.
    if (info.st_dev != m_device || info.st_ino != m_inode || info.st_nlink != 1)
        return abandon("its temporary file " + m_temporary.filename().string() + " was replaced while it was written");
    if (const auto refused = refusedOutput(m_target))
        return abandon(*refused);
    if (const auto flushFailed = flushFile(m_temporary))
        return abandon("cannot flush: " + *flushFailed);
    if (g_replaceCalls.rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return abandon(std::string("cannot replace: ") + std::strerror(errno));
    flushFolder(m_target.has_parent_path() ? m_target.parent_path() : std::filesystem::path("."));
    return FileOutcome::done(m_target);
}

FileOutcome writeOutputFile(const std::filesystem::path& target, const OutputWriter& write)
{
    OutputTwin twin(target);
    if (twin.refused())
        return *twin.refused();
    return twin.commit(write(twin.temporary()));
}

FileOutcome writeOutputFile(const std::filesystem::path& target, std::string_view content)
{
    return writeOutputFile(target, [&](const std::filesystem::path& temporary) -> std::optional<std::string> {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            return std::string(std::strerror(errno));
        const bool written = writeAll(fd, content);
        const int error = errno;
        const bool closed = g_replaceCalls.close(fd) == 0;
        if (!written || !closed)
            return std::string("cannot write: ") + std::strerror(written ? errno : error);
        return std::nullopt;
    });
}

FileOutcome replaceFile(const std::filesystem::path& path, std::string_view content)
{
    if (const auto refused = refusedTarget(path))
        return outputFailed(path, *refused);
    // A file that already holds exactly these bytes is left as it is: most saves (every
    // calculation ends with one) change few of the employee's files, and an unchanged file needs
    // neither a rewrite nor a flush to disk.
    if (holdsExactly(path, content)) {
        // A save killed before its rename may have left the twin; this file needs it no more.
        ::unlink(temporaryTwin(path).c_str());
        return FileOutcome::done(path);
    }

    const auto report = [&path](std::string text) { return FileOutcome::writeFailed(path, {std::move(text)}); };

    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    removeStaleTwins(folder);
    const std::filesystem::path temporary = temporaryTwin(path);
    // A twin a killed save left, or anything planted at its name, goes; the twin is then created
    // anew and exclusively, so it is never a file reached through another name.
    ::unlink(temporary.c_str());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return report(systemError("cannot create a temporary file for", path, errno));

    // A replaced file keeps the permissions of the file it replaces.
    struct stat old
    {
    };
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    const auto abandon = [&](const std::string& what) {
        const int saved = errno;
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        return report(systemError(what, path, saved));
    };

    if (!writeAll(fd, content))
        return abandon("cannot write");
    if (g_replaceCalls.fsync(fd) != 0)
        return abandon("cannot flush");
    const int closed = g_replaceCalls.close(fd);
    fd = -1;
    if (closed != 0)
        return abandon("cannot write");
    if (g_replaceCalls.rename(temporary.c_str(), path.c_str()) != 0)
        return abandon("cannot replace");

    // Make the rename itself durable; the new file is in place whatever this gives.
    flushFolder(folder);
    return FileOutcome::done(path);
}

} // namespace tallyrin
