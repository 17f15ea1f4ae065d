// "Payday Run": the hours sheet chosen, its rows with what the run will do, the run with a
// progress bar, the summary table and the combined statements and checks sent to the print dialog.
#pragma once

#include <QDialog>

class QProgressBar;
class QTableWidget;

namespace tallyrin {

class FormBinding;
class PrintDevice;
class frmPaydayScreen;

class frmPayday : public QDialog
{
    Q_OBJECT
public:
    frmPayday(frmPaydayScreen& screen, PrintDevice* device, QWidget* parent = nullptr);

    void showScreen();

private:
    void fillTables();

    frmPaydayScreen& m_screen;
    PrintDevice* m_device;
    FormBinding* m_binding;
    QTableWidget* m_rows;
    QTableWidget* m_summary;
    QProgressBar* m_progress;
};

} // namespace tallyrin
