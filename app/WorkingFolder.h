// The operator's payroll folder: created at first start and given the federal table files and
// the help file from the installed data, never overwriting what the operator already has there.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallyrin {

// The files the program ships into the working folder.
const std::vector<std::string>& shippedDataFiles();

struct FolderPreparation
{
    bool ok = true;
    std::vector<std::string> copied; // names of the files put into the folder this time
    std::string message;             // what went wrong, for the operator
};

FolderPreparation prepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& dataDir);

// The installed data folder: "<program folder>/../share/tallyrin2009", "<program folder>/data",
// "<program folder>/../data", then the build's own data folder.
std::filesystem::path findDataDir(const std::filesystem::path& programFolder);

// When other users may enter or read the working folder: the folder, then its files that they
// may read or write (links are not followed). Empty when the folder is its owner's alone, for then
// nobody else reaches its files.
std::vector<std::filesystem::path> readableByOthers(const std::filesystem::path& folder);
// The same question answered from the folder alone, without listing it: whether others may open it.
bool folderOpenToOthers(const std::filesystem::path& folder);
// Takes every group and other permission away from those (the folder keeps its owner's), and says
// what could not be changed (empty when all was done).
std::string tightenPermissions(const std::filesystem::path& folder);
// The question put once at start-up when readableByOthers finds the folder open.
std::string permissionsWarning(const std::filesystem::path& folder);

// "~/Tallyrin2009" for the given home folder.
std::filesystem::path defaultWorkingFolder(const std::filesystem::path& home);

} // namespace tallyrin
