#include "text/FolderLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tallyrin {
namespace {

// The locks this process holds, by folder: the lock file's descriptor and how many holders.
struct Held
{
    int fd = -1;
    int holders = 0;
};
std::mutex g_mutex;
std::map<std::string, Held> g_held;

std::string keyOf(const std::filesystem::path& folder)
{
    // Spelt out without asking the file system: this runs before every save.
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(folder.empty() ? "." : folder, ec);
    return (ec ? folder : absolute).lexically_normal().string();
}

} // namespace

std::string FolderLock::inUseMessage(const std::filesystem::path& folder)
{
    return "The working folder " + folder.string() +
           " is in use by another run of the program, which is saving there. Try again when it has finished.";
}

std::optional<FolderLock> FolderLock::acquire(const std::filesystem::path& folder, std::string* problem,
                                              std::chrono::milliseconds wait)
{
    const std::string key = keyOf(folder);
    std::lock_guard guard(g_mutex);
    if (auto it = g_held.find(key); it != g_held.end()) {
        ++it->second.holders;
        return FolderLock(key);
    }
    const auto say = [&](std::string text) {
        if (problem)
            *problem = std::move(text);
        return std::nullopt;
    };
    const std::filesystem::path file = std::filesystem::path(key) / kLockFileName;
    // Never follows a link, never blocks on a pipe put in the lock file's place.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return say("The lock file " + file.string() + " cannot be made: " + std::strerror(errno));
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return say("The lock file " + file.string() + " is not a file.");
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int error = errno;
            ::close(fd);
            return say("The lock file " + file.string() + " cannot be locked: " + std::strerror(error));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return say(inUseMessage(folder));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    g_held[key] = Held{fd, 1};
    return FolderLock(key);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_key(std::move(other.m_key))
{
    other.m_key.clear();
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept
{
    if (this != &other) {
        FolderLock dropped(std::move(*this));
        m_key = std::move(other.m_key);
        other.m_key.clear();
    }
    return *this;
}

FolderLock::~FolderLock()
{
    if (m_key.empty())
        return;
    std::lock_guard guard(g_mutex);
    const auto it = g_held.find(m_key);
    if (it == g_held.end() || --it->second.holders > 0)
        return;
    ::close(it->second.fd); // closing the last descriptor releases the lock
    g_held.erase(it);
}

} // namespace tallyrin
