#include "employee/CompanyHeader.h"

#include "text/FileStore.h"
#include "text/SettingsFormat.h"

namespace tallyrin {

std::string writeHeaderFile(const CompanyHeader& header)
{
    return settingsText([&](SettingsWriter& w) { headerItems(w, header); });
}

std::filesystem::path headerFilePath(const std::filesystem::path& folder) { return folder / kHeaderFileName; }

bool HeaderFileExists(const std::filesystem::path& folder) { return fileExists(headerFilePath(folder)); }

FileOutcome LoadHeader(const std::filesystem::path& folder, CompanyHeader& header)
{
    return loadSettingsFile(headerFilePath(folder), FileMessageStyle::Profile,
                            [&](SettingsReader& r) { headerItems(r, header); });
}

FileOutcome SaveHeader(const std::filesystem::path& folder, const CompanyHeader& header)
{
    return saveSettingsFile(headerFilePath(folder), FileMessageStyle::Profile,
                            [&](SettingsWriter& w) { headerItems(w, header); });
}

} // namespace tallyrin
