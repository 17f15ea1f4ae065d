// "Employees": every employee of the working folder in a table (user name, pay frequency, federal
// status and allowances, state method, ledger periods, last period date, year-to-date gross and
// net, self-employed, damaged files with the reason). Any column sorts, typing filters by name,
// and Enter or a double-click chooses the employee to open. Opening the window writes nothing;
// "W-2 Name..." writes the chosen employee's W-2 name file.
#pragma once

#include "app/StaffFolder.h"

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace tallyrin {

class Operator;

class frmStaff : public QDialog
{
    Q_OBJECT
public:
    // With an operator to answer, "W-2 Name..." edits the chosen employee's W-2 name and address.
    frmStaff(const std::filesystem::path& folder, Operator* op = nullptr, QWidget* parent = nullptr);

    // The employee chosen with Enter or a double-click; empty when none was.
    const std::string& chosenUser() const { return m_chosen; }

    static constexpr const char* kColumns[] = {"User",       "Frequency", "Federal", "State",         "Periods",
                                               "Last Period", "YTD Gross", "YTD Net", "Self-Employed", "Damaged"};

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void filter(const QString& text);
    void choose(int row);
    void editW2Name();

    QLineEdit* m_filter;
    QTableWidget* m_table;
    std::string m_chosen;
    std::filesystem::path m_folder;
    Operator* m_op;
};

} // namespace tallyrin
