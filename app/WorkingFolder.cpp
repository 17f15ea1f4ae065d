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
    fs::create_directories(folder, ec);
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
            result.copied.push_back(name);
        } else if (ec && ec != std::errc::file_exists) {
            result.ok = false;
            result.message +=
                "The file " + name + " could not be copied into " + folder.string() + ": " + ec.message() + ".\n";
        }
    }
    return result;
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
