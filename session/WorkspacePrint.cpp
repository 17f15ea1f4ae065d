// The workspace's print commands: the pay statement, the check form with the printer offsets and
// the paycheck, and the ledger print, each laid out on a document and handed to a print device.
#include "session/Workspace.h"

#include "app/OnePayPeriod.h"

#include "employee/ProfileFiles.h"
#include "print/CheckText.h"


namespace tallyrin {

namespace {

const char* const kCheckNotPrinted = "The check could not be printed.";
const char* const kLedgerNotPrinted = "The ledger could not be printed.";

} // namespace

void Workspace::reloadProfileForPrint()
{
    readFiles(true);
}

void Workspace::fillEmptyAmounts()
{
    for (auto& text : form1.txtAmount)
        if (text.empty())
            text = "0";
}

PeriodFigures Workspace::printFigures() const
{
    return periodFigures(payFormTexts(form1.txtAmount, form1.opt1x, form1.txtWeek, form1.resultLabels()), profile,
                         result, ledger.totals());
}

void Workspace::prepareStatement()
{
    reloadProfileForPrint();
    ledger.setBiWeekly(profile.biWeekly());
    note(ledger.readLedger(workingFolder(), userName()));
    fillEmptyAmounts();
}

PrintDocument Workspace::statementPage()
{
    const PeriodFigures figures = printFigures();
    note(LoadHeader(workingFolder(), header));

    // The number the check form shows; before the form was ever opened, the profile's.
    const StatementHeading heading = periodHeading(header, userName(), checks.loaded() ? checks.txtUserSSnum : profile.EmpSsn,
                                                   today(), form1.txtWeek);

    PrintDocument page;
    tallyrin::PrintText(page, heading, figures);
    return page;
}

PrintDocument Workspace::statementDocument()
{
    prepareStatement();
    return statementPage();
}

void Workspace::PrintText(PrintDevice& device)
{
    // The printer dialog is shown once; Cancel there prints nothing and says nothing.
    prepareStatement();
    const std::string name = printDocumentName(userName(), form1.txtWeek, "statement");
    if (!device.choosePrinter(name))
        return;
    const PrintDocument page = statementPage();
    device.print(page, name); // a printer fault ends the statement without a message
}

void Workspace::frmChecks_Load() { checks.Form_Load(profile, result, form1.txtWeek); }

void Workspace::frmChecks_Refresh() { checks.refresh(profile, result); }

void Workspace::dlgPrintSet_Load()
{
    reloadProfileForPrint();
    printSet.Form_Load(profile, form1.txtWeek);
}

bool Workspace::dlgPrintSet_cmdApply()
{
    printSet.storeOffsets(profile);
    return saveProfileStep(userName());
}

PrintDocument Workspace::checkDocument()
{
    fillEmptyAmounts();
    const CheckPlacement at = checkPlacement(printSet.cboHorz, printSet.cboVert);
    PrintDocument page;
    page.keepPagesToOneSheet();
    tallyrin::PrintCheck(page, at, checks, form1.txtWeek, printFigures());
    return page;
}

void Workspace::PrintCheck(PrintDevice& device)
{
    // No dialog: the paycheck goes to the printer last chosen.
    if (!device.print(checkDocument(), printDocumentName(userName(), form1.txtWeek, "check")))
        m_op.message(kCheckNotPrinted, Icon::Exclamation);
}

void Workspace::dlgPrintSet_OKButton(PrintDevice& device)
{
    dlgPrintSet_cmdApply();
    PrintCheck(device);
}

PrintDocument Workspace::ledgerDocument() const
{
    const CalendarDate d = today();
    PrintDocument page;
    tallyrin::PrintYr(page, header, userName(), shortDateText(d.year, d.month, d.day), profile.DeductLabel, ledger);
    return page;
}

void Workspace::PrintYr(PrintDevice& device)
{
    const std::string name = printDocumentName(userName(), "", "ledger");
    if (!device.choosePrinter(name))
        return; // Cancel abandons the ledger print
    if (!device.print(ledgerDocument(), name))
        m_op.message(kLedgerNotPrinted, Icon::Exclamation);
}

} // namespace tallyrin
