#include "text/SettingsFormat.h"

#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/FolderLock.h"

namespace tallyrin {

FileOutcome loadSettingsFile(const std::filesystem::path& file, FileMessageStyle style,
                             const std::function<void(SettingsReader&)>& items)
{
    const std::string name = file.filename().string();
    FileRead read = readFile(file);
    if (read.status == FileRead::Status::Missing)
        return FileOutcome::missing(file);
    if (read.status != FileRead::Status::Read) {
        // There, but not a file that can be read: a damaged file, never taken for a missing one
        // (a save would otherwise replace it without a word).
        if (style == FileMessageStyle::Ledger)
            return FileOutcome::corrupt(file, messages::ledgerDamaged(name, read.problem));
        auto lines = style == FileMessageStyle::Settings ? messages::corruptFile(name) : messages::notReadable(name, "");
        if (style == FileMessageStyle::Settings)
            lines.push_back(read.problem);
        else
            lines.back() = read.problem;
        return FileOutcome::corrupt(file, std::move(lines));
    }
    SettingsReader r(std::move(read.content));
    items(r);
    if (style == FileMessageStyle::Ledger && (r.fault() || !r.atEnd())) {
        const std::string where =
            r.fault() ? "Reading stopped at line " + std::to_string(r.fault()->line) + "." : "It holds more than its items.";
        return FileOutcome::corrupt(file, messages::ledgerDamaged(name, where), r.fault());
    }
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
    const auto lock = FolderLock::acquire(file.parent_path(), &error);
    if (lock) {
        const FileOutcome written = replaceFile(file, settingsText(items));
        if (!written.failed())
            return written;
        error = written.message();
    }
    // The settings files keep the system's three lines, followed by which file and why.
    auto lines = messages::notSaved(file.filename().string(), error);
    if (style == FileMessageStyle::Settings) {
        auto check = messages::checkYourNumbers();
        lines.insert(lines.begin(), check.begin(), check.end());
    }
    return FileOutcome::writeFailed(file, std::move(lines));
}

} // namespace tallyrin
