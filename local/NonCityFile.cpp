#include "local/NonCityFile.h"

#include "text/FileStore.h"

#include <cstddef>

namespace tallyrin {

std::filesystem::path nonCityFilePath(const std::filesystem::path& folder, std::string_view userName)
{
    return folder / (std::string(userName) + std::string(NonCityFileExtension));
}

std::string nonCityFileText(const NonCitySettings& s)
{
    SettingsWriter w;
    for (std::size_t i = 0; i < 8; ++i)
        w.single(s.NonMinBi[i]).single(s.NonExpBi[i]).single(s.NonMinWk[i]).single(s.NonExpWk[i]).endRecord();
    w.single(s.NonPer).endRecord();
    return w.str();
}

std::optional<ReadFault> readNonCityFileText(std::string content, NonCitySettings& s)
{
    SettingsReader r(std::move(content));
    // After the first fault every read is refused and leaves its field alone.
    for (std::size_t i = 0; i < 8; ++i) {
        r.single(s.NonMinBi[i]);
        r.single(s.NonExpBi[i]);
        r.single(s.NonMinWk[i]);
        r.single(s.NonExpWk[i]);
    }
    r.single(s.NonPer);
    return r.fault();
}

bool NonCityFileExists(const std::filesystem::path& file) { return fileExists(file); }

LocalFileResult LoadNonCityFile(const std::filesystem::path& file, NonCitySettings& settings)
{
    auto content = readWholeFile(file);
    if (!content)
        return {LocalFileResult::Status::Missing, {}};
    if (readNonCityFileText(std::move(*content), settings))
        return {LocalFileResult::Status::Failed, localCorruptFileMessage(file.filename().string())};
    return {};
}

LocalFileResult SaveNonCityFile(const std::filesystem::path& file, const NonCitySettings& settings)
{
    if (!replaceFile(file, nonCityFileText(settings)))
        return {LocalFileResult::Status::Failed, std::string(LocalWriteFailedMessage)};
    return {};
}

} // namespace tallyrin
