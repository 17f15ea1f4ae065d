// The year-to-date frame "Year To Date": the ledger grid frmYear with the totals window frmYearTot
// below it, and the menus "&Close", "&Print", "C&lear", "&Add" and "&Excel". Only the closing procedure (or the save screen, which raises
// the ledger-close flag) closes it; any other close shows "USE CLOSE INSTEAD".
#pragma once

#include "screens/MDIForm1Screen.h"

#include <QMainWindow>

#include <functional>

class QAction;

namespace tallyrin {

class frmYear;
class frmYearTot;

class MDIForm1 : public QMainWindow
{
    Q_OBJECT
public:
    MDIForm1(YtdLedger& ledger, Operator& op, YtdContext context, QWidget* parent = nullptr);

    // "&Year to Date" and cmdYear on the main form: show the frame and read the ledger into it.
    void showLedger();
    // The save screen closing the ledger: raise the ledger-close flag and close the frame.
    void closeLedger();

    MDIForm1Screen& screen() { return m_screen; }
    // "&Print": what prints the ledger (the printer dialog, then PrintYr).
    void setPrintCommand(std::function<void()> print) { m_print = std::move(print); }

public slots:
    // The closing procedure: the save question, then the frame closes.
    void mnuClose_Click();
    void mnuPrint_Click();
    // "&Excel": the ledger as a workbook, opened in the spreadsheet program.
    void mnuExcel_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showScreen();
    // Runs a menu command of the ledger, then shows the grid and totals it left.
    void runCommand(void (MDIForm1Screen::*command)());

    MDIForm1Screen m_screen;
    frmYear* m_frmYear = nullptr;
    frmYearTot* m_frmYearTot = nullptr;
    QAction* m_mnuClose = nullptr;
    QAction* m_mnuPrint = nullptr;
    QAction* m_mnuExcel = nullptr;
    std::function<void()> m_print;
};

} // namespace tallyrin
