#include "local/CityFile.h"

#include "text/FileStore.h"

#include <cstddef>

namespace tallyrin {

std::filesystem::path cityFilePath(const std::filesystem::path& folder, std::string_view userName)
{
    return folder / (std::string(userName) + std::string(CityFileExtension));
}

std::string cityFileText(const CitySettings& s)
{
    SettingsWriter w;
    for (std::size_t i = 0; i < 10; ++i)
        w.single(s.CityMinBS[i])
            .single(s.CityAmtBS[i])
            .single(s.CityPerBS[i])
            .single(s.CityMinBM[i])
            .single(s.CityAmtBM[i])
            .single(s.CityPerBM[i])
            .endRecord();
    w.int16(s.NoLocalTax).endRecord();
    for (std::size_t i = 0; i < 10; ++i)
        w.single(s.CitySgExp[i]).single(s.CityMarExp[i]).endRecord();
    return w.str();
}

std::optional<ReadFault> readCityFileText(std::string content, CitySettings& s)
{
    SettingsReader r(std::move(content));
    // The reader refuses every item after the first fault, so reading on is harmless and the
    // fields after the fault keep their values.
    for (std::size_t i = 0; i < 10; ++i) {
        r.single(s.CityMinBS[i]);
        r.single(s.CityAmtBS[i]);
        r.single(s.CityPerBS[i]);
        r.single(s.CityMinBM[i]);
        r.single(s.CityAmtBM[i]);
        r.single(s.CityPerBM[i]);
    }
    r.int16(s.NoLocalTax);
    for (std::size_t i = 0; i < 10; ++i) {
        r.single(s.CitySgExp[i]);
        r.single(s.CityMarExp[i]);
    }
    return r.fault();
}

bool CityFileExists(const std::filesystem::path& file) { return fileExists(file); }

LocalFileResult LoadCityFile(const std::filesystem::path& file, CitySettings& settings)
{
    auto content = readWholeFile(file);
    if (!content)
        return {LocalFileResult::Status::Missing, {}};
    if (readCityFileText(std::move(*content), settings))
        return {LocalFileResult::Status::Failed, localCorruptFileMessage(file.filename().string())};
    return {};
}

LocalFileResult SaveCityFile(const std::filesystem::path& file, const CitySettings& settings)
{
    if (!replaceFile(file, cityFileText(settings)))
        return {LocalFileResult::Status::Failed, std::string(LocalWriteFailedMessage)};
    return {};
}

} // namespace tallyrin
