// The workspace's part in the overtime form, the leave balances and the saved pay periods.
#include "session/Workspace.h"

#include "employee/ProfileFiles.h"
#include "employee/SavedPayPeriod.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/Numbers.h"

namespace fs = std::filesystem;

namespace tallyrin {

Form2Links Workspace::overtimeLinks()
{
    Form2Links links;
    links.weekly = [this] { return profile.Weekly || !profile.BiWeekly; };
    // The overtime form saves the open employee's profile family.
    links.saveEmployee = [this] { return saveProfileStep(userName()); };
    links.reloadProfile = [this] { m_stateLinks.reloadProfile(); };
    return links;
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
    if (const FileOutcome saved = saveSavedPeriod(workingFolder() / savedPeriodFileName(week, userName()), amounts);
        saved.failed())
        m_op.message(saved.message(), Icon::Exclamation);
}

void Workspace::cmdPeriod_Click()
{
    const std::optional<std::string> chosen = m_op.chooseOpenFile("Saved Files (*.prv)|*.prv");
    if (!chosen)
        return; // Cancel: the boxes and the date stay as they are, and nothing is recomputed
    const fs::path path(*chosen);
    // Another employee's period would be paid to this one without a word: say whose it is and ask.
    const std::string owner = savedPeriodUser(path);
    if (owner != userName()) {
        const std::string whose = owner.empty() ? "The file " + path.filename().string() + " names no employee"
                                                : "This saved period (" + savedPeriodDate(path) + ") is " + owner + "'s";
        const std::string open = userName().empty() ? "no employee is open" : userName() + " is open";
        if (!m_op.askYesNo("Get Pay Period", whose + ", and " + open + ".\r\nLoad it into the pay form anyway?"))
            return;
    }
    SavedPayPeriod amounts{};
    // A damaged or missing file fills nothing: half a period in the boxes would be taken for the
    // whole.
    if (const FileOutcome read = loadSavedPeriod(path, amounts); read.kind != FileOutcome::Kind::Done) {
        m_op.message(read.lines.empty() ? messages::joined(messages::profileNotOpened(path.filename().string()))
                                        : read.message(),
                     Icon::Exclamation);
        return;
    }
    for (size_t i = 0; i < amounts.size(); ++i)
        form1.txtAmount[i] = screenText(amounts[i]);
    form1.setWeek(savedPeriodDate(path));
    cmdCal_Click();
}

} // namespace tallyrin
