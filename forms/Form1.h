// The main pay form: the eight entry fields, the result labels and the menus. It binds its widgets
// to the workspace's Form1Screen and calls the workspace for every command.
#pragma once

#include "session/ShellWindows.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace tallyrin {

class DialogCity;
class PrintDevice;
class dlgPrintSet;
class frmChecks;
class DialogNonCity;
class DialogState;
class DialogVac;
class Form2;
class FormBinding;
class MDIForm1;
class Workspace;

class Form1 : public QMainWindow, public ShellWindows
{
    Q_OBJECT
public:
    explicit Form1(Workspace& ws, QWidget* parent = nullptr);
    ~Form1() override;

    // Copies every text, option and label of the screen model into the widgets.
    void showScreen();

    // What the workspace asks of the windows.
    void showSaveUser() override;
    void closeSecondaryScreens() override;
    void endApplication() override;

    // Where "&Print Image" prints once the operator's printer chooser has said yes: the printer
    // that chooser set up.
    void setPrinterSource(std::function<QPrinter*()> printer) { m_printer = std::move(printer); }

    // Where the statement, the paycheck and the ledger print go (the Qt print device).
    void setPrintDevice(PrintDevice* device) { m_device = device; }

    // The screens opened so far (nullptr until first use), for tests.
    MDIForm1* ledgerFrame() const { return m_ledger; }
    DialogState* stateDialog() const { return m_state; }
    DialogCity* cityDialog() const { return m_city; }
    DialogNonCity* nonCityDialog() const { return m_nonCity; }
    frmChecks* checkForm() const { return m_checks; }
    dlgPrintSet* printSetDialog() const { return m_printSet; }
    Form2* overtimeForm() const { return m_form2; }
    DialogVac* vacationDialog() const { return m_vac; }

    // Where the ledger frame's "&Excel" opens the workbook it wrote (the desktop's spreadsheet
    // program unless a test says otherwise); false when nothing could open it.
    void setWorkbookOpener(std::function<bool(const std::filesystem::path&)> opener)
    {
        m_openWorkbook = std::move(opener);
    }

public slots:
    void cmdCal_Click();
    void cmdClear_Click();
    void mnuTaxInfoItem_Click();
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuPrintItem_Click();
    void mnuYear_Click();
    void mnuPayday_Click();
    void mnuEmployees_Click();
    void mnuBackup_Click();
    void mnuEmployer_Click();
    void mnuDeposit_Click(); // "Direct Deposit...": the open employee's deposit account
    void mnuRestore_Click();
    void mnuQuarter_Click();
    void mnuYearEnd_Click();
    void mnuState_Click();
    void mnuCity_Click();
    void mnuNonCity_Click();
    void mnuHelpItem_Click();
    void mnuAboutItem_Click();
    void txtWeek_Click();
    // "Print Sheet" and cmdPrint: the pay statement.
    void mnuPrintSheetItem_Click();
    void mnuChecks_Click();
    void mnuHeader_Click();
    // "Print" on the check form: the printer offsets.
    void mnuPrintCheck_Click();
    void cmdOT_Click();   // "OT %" and the overtime button
    void mnuVac_Click();  // "&Vacation" and the "Vacation" button
    void cmdSavePrev_Click();
    void cmdPeriod_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showReport(bool year);
    QWidget* buildEntries();
    QWidget* buildResults();
    void buildMenus();
    QLabel* resultLabel(const QString& name);
    void focusAmount(int index);
    // After ADD and CLEAR the operator types the next period: the focus goes to txtAmount 0.
    void returnToFirstEntry();

    Workspace& m_ws;
    std::function<QPrinter*()> m_printer;
    FormBinding* m_binding;
    bool m_ending = false;

    MDIForm1* m_ledger = nullptr;
    DialogState* m_state = nullptr;
    DialogCity* m_city = nullptr;
    DialogNonCity* m_nonCity = nullptr;
    frmChecks* m_checks = nullptr;
    dlgPrintSet* m_printSet = nullptr;
    PrintDevice* m_device = nullptr;
    Form2* m_form2 = nullptr;
    DialogVac* m_vac = nullptr;
    std::function<bool(const std::filesystem::path&)> m_openWorkbook;

    QLineEdit* m_txtWeek = nullptr;
    std::array<QLineEdit*, 8> m_txtAmount{};
    QRadioButton* m_opt1x = nullptr;
    QRadioButton* m_opt2x = nullptr;
    QCheckBox* m_ckFedJan = nullptr;
    QPushButton* m_cmdCal = nullptr;
    QPushButton* m_cmdClear = nullptr;

    QLabel* m_Label13 = nullptr;
    QLabel* m_lbTaxes = nullptr;
    QLabel* m_lbDeduct = nullptr;
    QLabel* m_lbNet = nullptr;
    QLabel* m_lbOverT = nullptr;
    QLabel* m_lbTips = nullptr;
    std::array<QLabel*, 11> m_lbTaxDed{};
    QLabel* m_lbSDI = nullptr;
    QLabel* m_lbSUI = nullptr;
    QLabel* m_lbCafe = nullptr;
    std::array<QLabel*, 18> m_lbTaxTag{};
    QLabel* m_lbTaxVer = nullptr;
    QLabel* m_lbTableNotice = nullptr;
    QLabel* m_lbUser = nullptr;
};

} // namespace tallyrin
