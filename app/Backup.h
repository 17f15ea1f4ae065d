// Backup and restore of the working folder: one archive of the files the program keeps there, with
// a manifest of each file's size and SHA-256; and the automatic backups kept in "Backups/" before
// every payday that pastes and every restore. No operator is asked anything here.
#pragma once

#include "text/Archive.h"
#include "text/FileOutcome.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallyrin {

inline constexpr const char* kBackupsFolder = "Backups";
inline constexpr const char* kManifestName = "MANIFEST";
inline constexpr size_t kBackupsKept = 20;

// "YYYYMMDD-HHMMSS" of the local time now, for the names of automatic backups.
std::string backupStamp();

struct BackupResult
{
    FileOutcome outcome; // Done with the archive as its file, or why it was not written
    size_t files = 0;    // the files in it, the manifest aside
};

// Writes the archive `target` of every file the program keeps in `folder` (no lock, no temporary
// twins, no earlier backups), as every output is written: a fresh twin filled by `write`, then put
// in place. `Locked` when the caller already holds the folder's lock; otherwise the lock is held
// for the whole backup, so it is one consistent moment.
BackupResult writeBackupLocked(const std::filesystem::path& folder, const std::filesystem::path& target,
                               const ArchiveWriter& write);
BackupResult writeBackup(const std::filesystem::path& folder, const std::filesystem::path& target,
                         const ArchiveWriter& write);

// An automatic backup "Backups/Tallyrin-<stamp>-<why>.tar.xz" under the lock the caller holds;
// only the newest kBackupsKept automatic backups stay.
BackupResult automaticBackupLocked(const std::filesystem::path& folder, const std::string& why,
                                   const ArchiveWriter& write);

// What restoring an archive would do, after the whole archive was read and checked against its
// manifest; `problem` says why it is refused, and then nothing may be written.
struct RestorePlan
{
    std::string problem;
    std::vector<ArchiveEntry> files;   // the archive's files, manifest aside
    std::vector<std::string> added;    // not in the folder
    std::vector<std::string> replaced; // in the folder with other bytes
    std::vector<std::string> newer;    // of those, the ones whose folder copy is newer
    std::vector<std::string> same;     // in the folder as they are in the archive
    std::vector<std::string> removed;  // with `exact`: kept files in the folder the archive lacks
    bool changes() const { return !added.empty() || !replaced.empty() || !removed.empty(); }
};
RestorePlan planRestore(const std::filesystem::path& folder, const ArchiveReading& archive, bool exact);
// The plan in words, one line each: what is added, replaced (and whether the folder's copy is
// newer), left alone and removed.
std::string describeRestore(const RestorePlan& plan);

struct RestoreResult
{
    bool done = false;
    std::filesystem::path backup; // the folder as it was, backed up first
    std::vector<FileOutcome> outcomes;
    std::string problem; // why the restore stopped
};
// Under the folder's lock: backs the folder up into Backups/, then writes each added and replaced
// file through the atomic replace and removes the plan's `removed`. Restoring the same archive
// again gives the same folder.
RestoreResult applyRestore(const std::filesystem::path& folder, const RestorePlan& plan, const ArchiveWriter& write);

} // namespace tallyrin
