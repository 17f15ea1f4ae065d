#include "employee/SavedPayPeriod.h"

#include "text/SettingsFormat.h"

#include <algorithm>
#include <string_view>

namespace tallyrin {

std::string writeSavedPeriod(const SavedPayPeriod& amounts)
{
    return settingsText([&](SettingsWriter& w) { savedPeriodItems(w, amounts); });
}

FileOutcome loadSavedPeriod(const std::filesystem::path& file, SavedPayPeriod& amounts)
{
    return loadSettingsFile(file, FileMessageStyle::Profile, [&](SettingsReader& r) { savedPeriodItems(r, amounts); });
}

FileOutcome saveSavedPeriod(const std::filesystem::path& file, const SavedPayPeriod& amounts)
{
    return saveSettingsFile(file, FileMessageStyle::Profile, [&](SettingsWriter& w) { savedPeriodItems(w, amounts); });
}

std::string savedPeriodFileName(const std::string& weekText, const std::string& user)
{
    std::string date = weekText;
    std::replace(date.begin(), date.end(), '/', '_');
    return date + "  " + user + ".prv";
}

std::optional<std::string> refusedPeriodDate(const std::string& weekText)
{
    const bool bad = std::any_of(weekText.begin(), weekText.end(), [](unsigned char c) {
        return c < 0x20 || std::string_view("\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
    });
    if (!bad)
        return std::nullopt;
    return "The period date \"" + weekText +
           "\" cannot be part of a file name.\r\n"
           "Correct the date and save the pay period again.";
}

std::string savedPeriodDate(const std::filesystem::path& file)
{
    std::string name = file.filename().string();
    std::replace(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(8, name.size())), '_', '/');
    return name.substr(0, 10);
}

std::string savedPeriodUser(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    const size_t ext = name.size() >= 4 && name.compare(name.size() - 4, 4, kSavedPeriodExtension) == 0 ? name.size() - 4
                                                                                                      : name.size();
    if (ext < 12 || name.compare(10, 2, "  ") != 0)
        return {};
    return name.substr(12, ext - 12);
}

} // namespace tallyrin
