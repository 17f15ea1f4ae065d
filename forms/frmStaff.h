// "Employees": every employee of the working folder in a table (user name, pay frequency, federal
// status and allowances, state method, ledger periods, last period date, year-to-date gross and
// net, self-employed, damaged files with the reason). Any column sorts, typing filters by name,
// and Enter or a double-click chooses the employee to open. Opening the window writes nothing.
#pragma once

#include "app/StaffFolder.h"

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace tallyrin {

class frmStaff : public QDialog
{
    Q_OBJECT
public:
    frmStaff(const std::filesystem::path& folder, QWidget* parent = nullptr);

    // The employee chosen with Enter or a double-click; empty when none was.
    const std::string& chosenUser() const { return m_chosen; }

    static constexpr const char* kColumns[] = {"User",       "Frequency", "Federal", "State",         "Periods",
                                               "Last Period", "YTD Gross", "YTD Net", "Self-Employed", "Damaged"};

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void filter(const QString& text);
    void choose(int row);

    QLineEdit* m_filter;
    QTableWidget* m_table;
    std::string m_chosen;
};

} // namespace tallyrin
