#include "app/WorkingFolder.h"

#include <system_error>

namespace fs = std::filesystem;

namespace tallyrin {

const std::vector<std::string>& shippedDataFiles()
{
    static const std::vector<std::string> files{"Federal09.dtt", "Federal09_jan.dtt", "Tly2k.chm"};
    return files;
}

FolderPreparation prepareWorkingFolder(const fs::path& folder, const fs::path& dataDir)
{
    FolderPreparation result;
    std::error_code ec;
    // Wages, social security numbers and bank accounts: a new payroll folder is the owner's only.
    const bool existed = fs::exists(folder, ec);
    fs::create_directories(folder, ec);
    if (!ec && !existed)
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    if (ec || !fs::is_directory(folder)) {
        result.ok = false;
        result.message = "The payroll folder " + folder.string() + " could not be created: " +
                         (ec ? ec.message() : std::string("a file of that name is in the way")) + ".";
        return result;
    }
    for (const auto& name : shippedDataFiles()) {
        const fs::path source = dataDir / name;
        const fs::path target = folder / name;
        // symlink_status so that even a dangling link the operator put there is left alone.
        if (!fs::exists(source) || fs::exists(fs::symlink_status(target)))
            continue;
        // copy_file refuses to overwrite by default: a file that appeared meanwhile is kept.
        if (fs::copy_file(source, target, fs::copy_options::none, ec)) {
            fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace, ec);
            result.copied.push_back(name);
        } else if (ec && ec != std::errc::file_exists) {
            result.ok = false;
            result.message +=
                "The file " + name + " could not be copied into " + folder.string() + ": " + ec.message() + ".\n";
        }
    }
    return result;
}

namespace {

bool sharedWithOthers(const fs::path& path)
{
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || fs::is_symlink(status))
        return false;
    const fs::perms p = status.permissions();
    return (p & (fs::perms::group_all | fs::perms::others_all)) != fs::perms::none;
}

} // namespace

bool folderOpenToOthers(const fs::path& folder) { return sharedWithOthers(folder); }

std::vector<fs::path> readableByOthers(const fs::path& folder)
{
    std::vector<fs::path> open;
    const auto shared = sharedWithOthers;
    // Behind a folder only its owner may enter, no file can be read by anyone else.
    if (!shared(folder))
        return open;
    open.push_back(folder);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && shared(it->path()))
            open.push_back(it->path());
    return open;
}

std::string tightenPermissions(const fs::path& folder)
{
    std::string problems;
    for (const fs::path& path : readableByOthers(folder)) {
        std::error_code ec;
        const bool isFolder = fs::is_directory(fs::symlink_status(path, ec));
        fs::permissions(path, fs::perms::group_all | fs::perms::others_all, fs::perm_options::remove, ec);
        if (!ec && isFolder)
            fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        if (ec)
            problems += path.string() + ": " + ec.message() + "\n";
    }
    return problems;
}

std::string permissionsWarning(const fs::path& folder)
{
    return "Other users of this computer can open the payroll folder " + folder.string() +
           ", which holds wages and social security numbers.\r\nMake the folder and its files yours alone?";
}

fs::path findDataDir(const fs::path& programFolder)
{
    const fs::path candidates[] = {programFolder / ".." / "share" / "tallyrin2009", programFolder / "data",
                                   programFolder / ".." / "data"};
    for (const auto& dir : candidates) {
        std::error_code ec;
        if (fs::exists(dir / "Federal09.dtt", ec))
            return fs::weakly_canonical(dir, ec);
    }
#ifdef TALLYRIN_DATA_DIR
    return fs::path(TALLYRIN_DATA_DIR);
#else
    return programFolder;
#endif
}

fs::path defaultWorkingFolder(const fs::path& home) { return home / "Tallyrin2009"; }

} // namespace tallyrin
