#include "app/Backup.h"

#include "employee/EmployeeStore.h"
#include "text/FileStore.h"
#include "text/FolderLock.h"
#include "text/Sha256.h"

#include "TallyrinVersion.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

int64_t modifiedSeconds(const fs::path& file)
{
    struct stat info
    {
    };
    return ::stat(file.c_str(), &info) == 0 ? static_cast<int64_t>(info.st_mtime) : 0;
}

// The local time now in the strftime `format`.
std::string localTimeNow(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

// A file's bytes as they are on disk (no conversion); nullopt when it cannot be read.
std::optional<std::string> rawBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::string manifestText(const std::vector<ArchiveEntry>& files)
{
    std::string text = std::string("Tallyrin 2009 backup\nversion ") + TALLYRIN_VERSION + "\ntime " +
                       localTimeNow("%Y-%m-%d %H:%M:%S") +
                       "\nfiles " + std::to_string(files.size()) + "\n";
    for (const ArchiveEntry& e : files)
        text += sha256Hex(e.bytes) + " " + std::to_string(e.bytes.size()) + " " + e.name + "\n";
    return text;
}

struct Listed
{
    std::string sha;
    uint64_t size = 0;
};

// The manifest's files by name; nullopt when the text is not a manifest.
std::optional<std::map<std::string, Listed>> readManifest(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != "Tallyrin 2009 backup")
        return std::nullopt;
    std::map<std::string, Listed> listed;
    size_t count = 0;
    bool counted = false;
    while (std::getline(in, line)) {
        if (line.starts_with("version ") || line.starts_with("time "))
            continue;
        if (line.starts_with("files ")) {
            count = static_cast<size_t>(std::strtoull(line.c_str() + 6, nullptr, 10));
            counted = true;
            continue;
        }
        const size_t first = line.find(' ');
        const size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
        if (second == std::string::npos || first != 64)
            return std::nullopt;
        const std::string size = line.substr(first + 1, second - first - 1);
        if (size.empty() || size.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        if (!listed.emplace(line.substr(second + 1), Listed{line.substr(0, first), std::stoull(size)}).second)
            return std::nullopt;
    }
    if (!counted || count != listed.size())
        return std::nullopt;
    return listed;
}

std::string joinedNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

} // namespace

std::string backupStamp() { return localTimeNow("%Y%m%d-%H%M%S"); }

BackupResult writeBackupLocked(const fs::path& folder, const fs::path& target, const ArchiveWriter& write)
{
    BackupResult result;
    std::vector<ArchiveEntry> files;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isKeptFileName(name) && it->symlink_status(ec).type() == fs::file_type::regular)
            names.push_back(name);
    }
    if (ec) {
        result.outcome = FileOutcome::writeFailed(target, {target.string() + " could not be written: the folder " +
                                                           folder.string() + " cannot be listed: " + ec.message()});
        return result;
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        auto bytes = rawBytes(folder / name);
        if (!bytes) {
            result.outcome = FileOutcome::writeFailed(target, {target.string() + " could not be written: " + name +
                                                               " cannot be read"});
            return result;
        }
        files.push_back({name, std::move(*bytes), modifiedSeconds(folder / name)});
    }
    std::vector<ArchiveEntry> archive{{kManifestName, manifestText(files), static_cast<int64_t>(std::time(nullptr))}};
    archive.insert(archive.end(), files.begin(), files.end());
    result.files = files.size();
    result.outcome = writeOutputFile(target, [&](const fs::path& temporary) { return write(temporary, archive); });
    return result;
}

BackupResult writeBackup(const fs::path& folder, const fs::path& target, const ArchiveWriter& write)
{
    std::string busy;
    const auto lock = FolderLock::acquire(folder, &busy);
    if (!lock) {
        BackupResult result;
        result.outcome = FileOutcome::writeFailed(target, {target.string() + " could not be written: " + busy});
        return result;
    }
    return writeBackupLocked(folder, target, write);
}

BackupResult automaticBackupLocked(const fs::path& folder, const std::string& why, const ArchiveWriter& write)
{
    const fs::path backups = folder / kBackupsFolder;
    std::error_code ec;
    fs::create_directory(backups, ec);
    if (!ec)
        fs::permissions(backups, fs::perms::owner_all, fs::perm_options::replace, ec);
    const std::string stamp = backupStamp();
    fs::path target = backups / ("Tallyrin-" + stamp + "-" + why + ".tar.xz");
    for (int n = 2; fs::exists(fs::symlink_status(target, ec)); ++n)
        target = backups / ("Tallyrin-" + stamp + "-" + why + "-" + std::to_string(n) + ".tar.xz");
    BackupResult result = writeBackupLocked(folder, target, write);
    if (result.outcome.failed())
        return result;
    // The newest automatic backups stay; their names sort by time.
    std::vector<fs::path> kept;
    for (fs::directory_iterator it(backups, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with("Tallyrin-") && name.ends_with(".tar.xz") && it->is_regular_file(ec))
            kept.push_back(it->path());
    }
    std::sort(kept.begin(), kept.end());
    for (size_t i = 0; i + kBackupsKept < kept.size(); ++i)
        fs::remove(kept[i], ec);
    return result;
}

RestorePlan planRestore(const fs::path& folder, const ArchiveReading& archive, bool exact)
{
    RestorePlan plan;
    if (!archive.problem.empty()) {
        plan.problem = archive.problem;
        return plan;
    }
    const auto manifest = std::find_if(archive.entries.begin(), archive.entries.end(),
                                       [](const ArchiveEntry& e) { return e.name == kManifestName; });
    if (manifest == archive.entries.end()) {
        plan.problem = "it holds no manifest: it is not a backup of this program";
        return plan;
    }
    const auto listed = readManifest(manifest->bytes);
    if (!listed) {
        plan.problem = "its manifest is damaged";
        return plan;
    }
    for (const ArchiveEntry& e : archive.entries) {
        if (e.name == kManifestName)
            continue;
        if (!isKeptFileName(e.name)) {
            plan.problem = "its entry \"" + e.name + "\" is not a file the program keeps in the working folder";
            return plan;
        }
        const auto found = listed->find(e.name);
        if (found == listed->end()) {
            plan.problem = "its entry \"" + e.name + "\" is not in its manifest";
            return plan;
        }
        if (found->second.size != e.bytes.size() || found->second.sha != sha256Hex(e.bytes)) {
            plan.problem = "its file \"" + e.name + "\" does not match its manifest (damaged)";
            return plan;
        }
        plan.files.push_back(e);
    }
    if (plan.files.size() != listed->size()) {
        plan.problem = "files its manifest names are missing (the archive is cut short)";
        return plan;
    }
    std::map<std::string, bool> inArchive;
    for (const ArchiveEntry& e : plan.files) {
        inArchive[e.name] = true;
        const fs::path file = folder / e.name;
        const auto onDisk = fileExists(file) ? rawBytes(file) : std::nullopt;
        if (!onDisk) {
            plan.added.push_back(e.name);
        } else if (*onDisk == e.bytes) {
            plan.same.push_back(e.name);
        } else {
            plan.replaced.push_back(e.name);
            if (modifiedSeconds(file) > e.mtime)
                plan.newer.push_back(e.name);
        }
    }
    if (exact) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (isKeptFileName(name) && !inArchive.count(name) && it->symlink_status(ec).type() == fs::file_type::regular)
                plan.removed.push_back(name);
        }
        std::sort(plan.removed.begin(), plan.removed.end());
    }
    return plan;
}

std::string describeRestore(const RestorePlan& plan)
{
    std::string text;
    const auto line = [&](const std::string& what, const std::vector<std::string>& names) {
        if (!names.empty())
            text += what + " (" + std::to_string(names.size()) + "): " + joinedNames(names) + "\n";
    };
    line("Added", plan.added);
    line("Replaced", plan.replaced);
    line("Replaced although the folder's copy is newer", plan.newer);
    line("Removed", plan.removed);
    text += "Left alone, the same in the backup: " + std::to_string(plan.same.size()) + "\n";
    return text;
}

RestoreResult applyRestore(const fs::path& folder, const RestorePlan& plan, const ArchiveWriter& write)
{
    RestoreResult result;
    if (!plan.problem.empty()) {
        result.problem = plan.problem;
        return result;
    }
    std::string busy;
    const auto lock = FolderLock::acquire(folder, &busy);
    if (!lock) {
        result.problem = busy;
        return result;
    }
    // The folder as it is now, before anything of it is replaced.
    if (plan.changes()) {
        const BackupResult before = automaticBackupLocked(folder, "before-restore", write);
        if (before.outcome.failed()) {
            result.problem = "the folder could not be backed up first, so nothing was restored: " + before.outcome.message();
            return result;
        }
        result.backup = before.outcome.file;
    }
    std::map<std::string, const ArchiveEntry*> byName;
    for (const ArchiveEntry& e : plan.files)
        byName[e.name] = &e;
    for (const auto* names : {&plan.added, &plan.replaced}) {
        for (const std::string& name : *names) {
            const FileOutcome written = replaceFile(folder / name, byName.at(name)->bytes);
            result.outcomes.push_back(written);
            if (written.failed()) {
                result.problem = "the restore stopped at " + name + "; run it again once the folder can be written";
                return result;
            }
        }
    }
    for (const std::string& name : plan.removed) {
        std::error_code ec;
        fs::remove(folder / name, ec);
        if (ec) {
            result.problem = name + " could not be removed: " + ec.message();
            return result;
        }
    }
    result.done = true;
    return result;
}

} // namespace tallyrin
