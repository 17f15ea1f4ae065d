#include "screens/MDIForm1Screen.h"

#include <utility>

namespace tallyrin {

MDIForm1Screen::MDIForm1Screen(YtdLedger& ledger, Operator& op, YtdContext context)
    : m_ledger(ledger)
    , m_op(op)
    , m_context(std::move(context))
{
}

void MDIForm1Screen::show(const std::string& message)
{
    if (!message.empty())
        m_op.message(message);
}

void MDIForm1Screen::open()
{
    m_ledgerClosing = false;
    for (const std::string& message : m_ledger.openForFrame(m_context.files.folder(), m_context.files.userName(),
                                                            m_context.profile.biWeekly(),
                                                            m_context.profile.DeductLabel))
        show(message);
}

void MDIForm1Screen::weekClicked(int slot)
{
    m_currentRow = slot;
    if (slot < 0 || slot >= m_ledger.usedRows())
        return;
    if (m_context.calculated && !m_context.calculated()) {
        m_op.message(kPressAddFirst, Icon::Exclamation);
        return;
    }
    const auto result = m_context.result ? m_context.result() : PayPeriodResult{};
    const auto date = m_context.periodDate ? m_context.periodDate() : std::string();
    m_ledger.Update(); // the grid as shown, typing included
    const YtdRow& held = m_ledger.row(slot);
    if (YtdLedger::holdsPeriod(held) &&
        !m_op.askYesNo(kSaveTitle, "Week " + std::to_string(slot + 1) + " holds " + YtdLedger::heldPeriodText(held) +
                                       ". Replace it?"))
        return;
    if (const auto warning = periodDateOutsideTaxYear(date);
        warning && !m_op.askYesNo(kSaveTitle, *warning + "\r\nPaste it into week " + std::to_string(slot + 1) + "?"))
        return;
    show(m_ledger.PasteMe(slot, result, date));
}

void MDIForm1Screen::mnuPaste_Click() { weekClicked(m_currentRow); }

void MDIForm1Screen::mnuDelete_Click() { show(m_ledger.DeleteRow(m_currentRow)); }

void MDIForm1Screen::mnuCancel_Click() { mnuAdd_Click(); }

void MDIForm1Screen::mnuClearAll_Click() { show(m_ledger.ClearAll()); }

void MDIForm1Screen::mnuAdd_Click()
{
    m_ledger.Update();
    show(m_ledger.AddAnnual());
}

bool MDIForm1Screen::mnuClose_Click()
{
    if (m_op.askYesNo(kSaveTitle, kSaveQuestion)) {
        if (m_context.files.userName().empty()) {
            // With no employee open the ledger belongs to nobody: a file with no name is never
            // written.
            m_op.message(kNoEmployee, Icon::Exclamation);
            m_ledgerClosing = true;
            return true;
        }
        m_ledger.Update();
        // A ledger file that could not be read whole is kept aside before it is replaced.
        const FileOutcome kept = m_ledger.keepDamagedFile(m_context.files.folder(), m_context.files.userName());
        show(kept.message());
        if (kept.failed())
            return false;
        // SaveAnnual recomputes the totals first; a failure (a total that is no longer a number,
        // a file that cannot be written) keeps the frame open so the rows are not given up.
        if (const auto message = m_ledger.SaveAnnual(m_context.files.folder(), m_context.files.userName()); !message.empty()) {
            show(message);
            return false;
        }
    } else if (m_context.showMainForm) {
        m_context.showMainForm();
    }
    m_ledgerClosing = true;
    return true;
}

void MDIForm1Screen::mnuExcel_Click()
{
    if (!m_context.writeWorkbook)
        return;
    const std::string& user = m_context.files.userName();
    const Worksheet sheet = ledgerWorksheet(m_ledger, m_ledger.deductionLabels, user, m_context.profile.EmpSsn);
    const std::filesystem::path path = ledgerWorkbookPath(m_context.files.folder(), user);
    if (const FileOutcome written = m_context.writeWorkbook(sheet, path); written.failed()) {
        m_op.message(written.message(), Icon::Exclamation);
        return;
    }
    if (!m_context.openWorkbook || !m_context.openWorkbook(path))
        m_op.message(std::string(kWorkbookSaved) + "\r\n" + path.string() + "\r\n" + kNoSpreadsheet, Icon::Information);
}

bool MDIForm1Screen::QueryUnload()
{
    if (m_ledgerClosing)
        return true;
    m_op.message(kUseClose);
    return false;
}

} // namespace tallyrin
