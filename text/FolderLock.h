// The working folder's lock: every process that writes in the folder holds an exclusive lock on
// "Tallyrin.lock" there for its whole write sequence, so two clerks (or two payday runs) never
// write one employee's files at once. The system releases the lock when the process ends, however
// it ends. Reads take no lock.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace tallyrin {

inline constexpr const char* kLockFileName = "Tallyrin.lock";
// How long a writer waits for another to finish before it gives up.
inline constexpr std::chrono::milliseconds kLockWait{10000};

class FolderLock
{
public:
    // Takes the lock of `folder`, waiting up to `wait` for another process to release it. Within
    // one process the lock may be taken again while held (a save inside a payday run): it is
    // released when the outermost holder ends. nullopt, with `problem` saying why, when the folder
    // is in use for longer than `wait` or the lock file cannot be made.
    static std::optional<FolderLock> acquire(const std::filesystem::path& folder, std::string* problem = nullptr,
                                             std::chrono::milliseconds wait = kLockWait);
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // The message for a folder another process holds.
    static std::string inUseMessage(const std::filesystem::path& folder);

private:
    explicit FolderLock(std::string key)
        : m_key(std::move(key))
    {
    }
    std::string m_key; // the held lock's folder; empty once moved from
};

} // namespace tallyrin
