// The workspace's part in the overtime form, the leave balances and the saved pay periods.
#include "app/Workspace.h"

#include "employee/ProfileFiles.h"
#include "employee/SavedPayPeriod.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

namespace fs = std::filesystem;

namespace tallyrin {

Form2Links Workspace::overtimeLinks()
{
    Form2Links links;
    links.weekly = [this] { return profile.Weekly || !profile.BiWeekly; };
    // The overtime form saves the open employee's profile family.
    links.saveEmployee = [this] { return saveProfileStep(m_userName); };
    links.reloadProfile = [this] { m_stateLinks.reloadProfile(); };
    return links;
}

void Workspace::loadLeaveStep()
{
    const std::string message = vacScreen.GetVac();
    if (!message.empty())
        report(message);
}

bool Workspace::saveLeaveStep(const std::string& user)
{
    // The screen's boxes hold the balances (GetVac and every edit keep them current).
    const std::string message = vacScreen.SaveVac(profileFilePath(m_folder, user, ".hol"));
    if (!message.empty()) {
        report(message);
        return false;
    }
    return true;
}

void Workspace::cmdSavePrev_Click()
{
    const std::string week = form1.txtWeek;
    if (const auto refused = refusedPeriodDate(week)) {
        m_op.message(*refused, Icon::Exclamation);
        return;
    }
    SavedPayPeriod amounts{};
    for (size_t i = 0; i < form1.txtAmount.size(); ++i) {
        if (form1.txtAmount[i].empty())
            form1.txtAmount[i].assign(1, '0');
        amounts[i] = fullSingle(form1.txtAmount[i]).value_or(0.0f);
    }
    const fs::path path = m_folder / savedPeriodFileName(week, m_userName);
    std::string error;
    if (!replaceFile(path, writeSavedPeriod(amounts), &error)) {
        ProfileSave failed;
        failed.failedFile = path;
        failed.reason = error;
        m_op.message(failed.message(), Icon::Exclamation);
    }
}

void Workspace::cmdPeriod_Click()
{
    const std::optional<std::string> chosen = m_op.chooseOpenFile("Saved Files (*.prv)|*.prv");
    if (!chosen)
        return; // Cancel: the boxes and the date stay as they are, and nothing is recomputed
    const fs::path path(*chosen);
    const std::optional<std::string> content = readWholeFile(path);
    if (!content) {
        m_op.message(ProfileFileFault{path, std::nullopt}.message(), Icon::Exclamation);
        return;
    }
    SavedPayPeriod amounts{};
    if (auto fault = readSavedPeriod(*content, amounts)) {
        // A damaged file fills nothing: half a period in the boxes would be taken for the whole.
        m_op.message(ProfileFileFault{path, std::move(fault)}.message(), Icon::Exclamation);
        return;
    }
    for (size_t i = 0; i < amounts.size(); ++i)
        form1.txtAmount[i] = screenText(amounts[i]);
    form1.setWeek(savedPeriodDate(path));
    cmdCal_Click();
}

} // namespace tallyrin
