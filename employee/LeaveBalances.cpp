#include "employee/LeaveBalances.h"

#include "text/SettingsFormat.h"
#include "text/Numbers.h"

namespace tallyrin {

std::string writeLeaveFile(const LeaveBalances& leave)
{
    return settingsText([&](SettingsWriter& w) { leaveItems(w, leave); });
}

std::optional<ReadFault> readLeaveFile(const std::string& content, LeaveBalances& leave)
{
    return readWholeSettingsText(content, 41, [&](SettingsReader& r) { leaveItems(r, leave); });
}

float leaveBalance(const std::string& startText, const std::array<std::string, kLeaveEntries>& takenTexts)
{
    float taken = 0;
    for (const auto& text : takenTexts)
        taken += static_cast<float>(leadingNumber(text));
    return static_cast<float>(leadingNumber(startText)) - taken;
}

FileOutcome loadLeaveFile(const std::filesystem::path& path, LeaveBalances& leave)
{
    return loadSettingsFile(path, FileMessageStyle::Profile, [&](SettingsReader& r) { leaveItems(r, leave); });
}

FileOutcome saveLeaveFile(const std::filesystem::path& path, const LeaveBalances& leave)
{
    return saveSettingsFile(path, FileMessageStyle::Profile, [&](SettingsWriter& w) { leaveItems(w, leave); });
}

} // namespace tallyrin
