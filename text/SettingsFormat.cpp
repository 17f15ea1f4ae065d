#include "text/SettingsFormat.h"

#include "text/FileMessages.h"
#include "text/FileStore.h"

namespace tallyrin {

FileOutcome loadSettingsFile(const std::filesystem::path& file, FileMessageStyle style,
                             const std::function<void(SettingsReader&)>& items)
{
    const std::string name = file.filename().string();
    // A profile file counts as there when the folder lists it; a settings file when it opens.
    std::error_code ec;
    const bool there = style == FileMessageStyle::Profile
                           ? std::filesystem::exists(file, ec) && !std::filesystem::is_directory(file, ec)
                           : fileExists(file);
    if (!there)
        return FileOutcome::missing(file);
    std::optional<std::string> content = readWholeFile(file);
    if (!content) {
        if (style == FileMessageStyle::Settings)
            return FileOutcome::missing(file);
        return FileOutcome::corrupt(file, messages::profileNotOpened(name));
    }
    SettingsReader r(std::move(*content));
    items(r);
    if (const auto& fault = r.fault()) {
        auto lines = style == FileMessageStyle::Settings ? messages::corruptFile(name)
                                                         : messages::profileReadStopped(name, fault->line);
        return FileOutcome::corrupt(file, std::move(lines), fault);
    }
    // The data must end where the layout ends: an item left over means the items have shifted
    // (or something else was appended), so the values read cannot be trusted. Blank lines at the
    // end are fine.
    if (!r.atEnd()) {
        auto lines = style == FileMessageStyle::Settings ? messages::corruptFile(name) : messages::itemsLeftOver(name);
        return FileOutcome::corrupt(file, std::move(lines));
    }
    return FileOutcome::done(file);
}

FileOutcome saveSettingsFile(const std::filesystem::path& file, FileMessageStyle style,
                             const std::function<void(SettingsWriter&)>& items)
{
    std::string error;
    if (replaceFile(file, settingsText(items), &error))
        return FileOutcome::done(file);
    auto lines = style == FileMessageStyle::Settings ? messages::checkYourNumbers()
                                                     : messages::notSaved(file.filename().string(), error);
    return FileOutcome::writeFailed(file, std::move(lines));
}

} // namespace tallyrin
