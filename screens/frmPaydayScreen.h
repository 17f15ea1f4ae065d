// The "Payday Run" screen without its window: choosing the hours sheet, the rows with what the run
// will do with each, the run with its progress, the summary table and the combined prints.
#pragma once

#include "app/Clock.h"
#include "text/Operator.h"
#include "app/PaydayRun.h"
#include "print/PrintDevice.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallyrin {

class frmPaydayScreen
{
public:
    static constexpr const char* kCaption = "Payday Run";
    static constexpr const char* kFilter = "Hours Sheets (*.csv)|*.csv";
    static constexpr std::array<const char*, 3> kRowHeadings{"Line", "User", "What the run will do"};
    static constexpr std::array<const char*, 6> kSummaryHeadings{"User", "Gross", "Taxes", "Deductions", "Net Pay",
                                                                 "Message"};

    // `folder`: the working folder, whose employees are paid.
    frmPaydayScreen(Operator& op, std::filesystem::path folder, Clock clock = systemToday);
    // The writer of the backup taken before a payday that pastes (empty: none).
    ArchiveWriter backupWriter;

    // "Choose Sheet...": the file chooser, then the sheet's rows and their plan. Cancel changes
    // nothing; a sheet that cannot be used is told and nothing is shown for it.
    void cmdChoose_Click();
    // The options changed: the plan is worked out again.
    void optionsChanged();
    // "Run": pays every row, reporting after each; the summary follows. `progress(done, total)`.
    void cmdRun_Click(const std::function<void(int, int)>& progress = {});
    // "Deposit File...": the file the run writes for the bank; employees with a deposit account are
    // then paid into it, with no check. Cancel leaves the choice as it was. "Checks Only" drops the
    // choice: everyone gets a check.
    void cmdDepositFile_Click();
    void cmdChecksOnly_Click();
    // "Print Statements" and "Print Checks": the printer dialog, then every page of the run.
    void cmdPrintStatements_Click(PrintDevice& device);
    void cmdPrintChecks_Click(PrintDevice& device);

    // The save chooser, given the name proposed; nullopt on Cancel.
    std::function<std::optional<std::string>(const std::string& proposed)> chooseSaveFile;

    // The boxes.
    std::string lbFolder;
    std::string lbDepositFile; // the bank's deposit file; empty: everyone gets a check
    std::string lbSheet; // the chosen sheet's file
    std::string txtDate; // the period date of rows without one
    bool ckPaste = false;
    bool ckOverwrite = false;
    bool ckFedJan = false;
    std::vector<std::array<std::string, 3>> rows;    // the sheet: line, user, plan
    std::vector<std::array<std::string, 6>> summary; // after the run
    std::string lbTotals;
    bool canRun = false;   // a sheet is chosen and not yet run
    bool canPrint = false; // the run paid somebody

private:
    PaydayOptions options() const;
    void print(PrintDevice& device, const PrintDocument& document, const std::string& kind);

    Operator& m_op;
    std::filesystem::path m_folder;
    Clock m_clock;
    HoursSheet m_sheet;
    std::unique_ptr<PaydayRun> m_run;
};

} // namespace tallyrin
