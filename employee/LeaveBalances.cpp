#include "employee/LeaveBalances.h"

#include "employee/ProfileFiles.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

namespace tallyrin {

std::string writeLeaveFile(const LeaveBalances& leave)
{
    SettingsWriter w;
    LeaveBalances copy = leave; // the item list takes its record by reference for both directions
    leaveItems(w, copy);
    return w.str();
}

std::optional<ReadFault> readLeaveFile(const std::string& content, LeaveBalances& leave)
{
    SettingsReader r(content);
    leaveItems(r, leave);
    if (r.ok() && !r.atEnd())
        return ReadFault{0, 42, "items left over after line 41"};
    return r.fault();
}

float leaveBalance(const std::string& startText, const std::array<std::string, kLeaveEntries>& takenTexts)
{
    float taken = 0;
    for (const auto& text : takenTexts)
        taken += static_cast<float>(leadingNumber(text));
    return static_cast<float>(leadingNumber(startText)) - taken;
}

LeaveFileResult loadLeaveFile(const std::filesystem::path& path, LeaveBalances& leave)
{
    LeaveFileResult result;
    if (!fileExists(path))
        return result;
    result.found = true;
    const auto content = readWholeFile(path);
    if (!content) {
        result.message = ProfileFileFault{path, std::nullopt}.message();
        return result;
    }
    if (auto fault = readLeaveFile(*content, leave))
        result.message = ProfileFileFault{path, std::move(fault)}.message();
    return result;
}

LeaveFileResult saveLeaveFile(const std::filesystem::path& path, const LeaveBalances& leave)
{
    LeaveFileResult result;
    std::string error;
    if (!replaceFile(path, writeLeaveFile(leave), &error)) {
        ProfileSave failed;
        failed.failedFile = path;
        failed.reason = error;
        result.message = failed.message();
    }
    return result;
}

} // namespace tallyrin
