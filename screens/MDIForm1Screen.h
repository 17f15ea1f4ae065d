// The year-to-date frame "Year To Date" without its windows: opening the ledger, pasting and
// clearing rows from the week numbers and the pop-up menu, the closing procedure with its save
// question, and the refusal of any other close while the ledger-close flag is down.
#pragma once

#include "text/Operator.h"
#include "employee/EmployeeFiles.h"
#include "records/EmployeeProfile.h"
#include "engine/PayPeriod.h"
#include "ytd/LedgerWorkbook.h"
#include "ytd/YtdLedger.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace tallyrin {

// What the ledger frame needs from the rest of the program: the open employee's files and profile
// (its frequency and deduction labels), and, asked for at the moment of use, the period as the pay
// form shows it and its date. The functions may be left empty (a zero period, an empty date).
struct YtdContext
{
    const EmployeeFiles& files;
    const EmployeeProfile& profile;
    std::function<PayPeriodResult()> result;   // the period last calculated, as shown
    std::function<std::string()> periodDate;   // the main form's txtWeek
    std::function<void()> showMainForm = {};   // may be empty
    // Whether a period has been calculated since start-up or CLEAR (nothing to paste before);
    // when empty, a period is taken as calculated.
    std::function<bool()> calculated = {};
    // "&Excel": the writer of the workbook (returns the message of a failure, empty when written);
    // the opener of the written file in the desktop's spreadsheet program (false when there is
    // none). Without a writer the command does nothing.
    std::function<FileOutcome(const Worksheet&, const std::filesystem::path&)> writeWorkbook = {};
    std::function<bool(const std::filesystem::path&)> openWorkbook = {};
};

class MDIForm1Screen
{
public:
    static constexpr const char* kCaption = "Year To Date";
    static constexpr const char* kSaveQuestion = "     Do you want to save YTD";
    static constexpr const char* kSaveTitle = "Save?";
    static constexpr const char* kUseClose = "USE CLOSE INSTEAD";
    static constexpr const char* kNoEmployee =
        "No employee is open, so the year-to-date ledger was not saved.\r\nOpen or add an employee first "
        "(File > Open, File > New).";
    static constexpr const char* kWorkbookSaved = "The ledger workbook was saved as";
    static constexpr const char* kNoSpreadsheet = "No spreadsheet program is installed to open it.";
    static constexpr const char* kPressAddFirst =
        "Press ADD first: no pay period has been calculated, so there is nothing to paste.";

    MDIForm1Screen(YtdLedger& ledger, Operator& op, YtdContext context);

    // "&Year to Date" on the main form: read the ledger, fillBoxes, Update, AddAnnual. Lowers the
    // ledger-close flag, so from now on only the closing procedure closes the frame.
    void open();

    // A left click on a week number (`slot` 0-based): paste the period just calculated. Before
    // any calculation nothing is pasted ("Press ADD first"); a week that holds a period, or a
    // period dated outside 2009, is pasted only when the operator answers Yes under "Save?".
    void weekClicked(int slot);
    // A right click on a week number makes it the current row for the pop-up menu.
    void setCurrentRow(int slot) { m_currentRow = slot; }
    int currentRow() const { return m_currentRow; }
    // The pop-up menu: "&Paste Week", "&Delete Row" (the current row), "&Cancel".
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuCancel_Click();

    // The frame's "C&lear" > "&Clear All": every used row and the side sums to 0, then the totals.
    void mnuClearAll_Click();
    // The frame's "&Add": copy the grid into memory and recompute the totals.
    void mnuAdd_Click();
    // "&Excel": the grid and the totals window as a workbook "<user name> ledger.xlsx" in the
    // working folder (replacing an earlier one), then opened in the spreadsheet program. A failed
    // write is reported; without a spreadsheet program the operator is told where the file is.
    void mnuExcel_Click();

    // The closing procedure ("&Close" of the frame and of the ledger window). Asks whether to save;
    // Yes writes the file, No leaves it as it was. Returns true when the frame is to close (the
    // ledger-close flag is then up); false when the save failed and the frame stays open.
    bool mnuClose_Click();

    // Any other attempt to close the frame: allowed only while the ledger-close flag is up;
    // otherwise "USE CLOSE INSTEAD" is shown and the frame stays open.
    bool QueryUnload();

    // The ledger-close flag, also raised by the save screen before it closes the frame.
    void setLedgerClosing(bool closing) { m_ledgerClosing = closing; }
    bool ledgerClosing() const { return m_ledgerClosing; }

    YtdLedger& ledger() { return m_ledger; }
    const YtdLedger& ledger() const { return m_ledger; }

private:
    void show(const std::string& message);

    YtdLedger& m_ledger;
    Operator& m_op;
    YtdContext m_context;
    bool m_ledgerClosing = false;
    int m_currentRow = 0;
};

} // namespace tallyrin
