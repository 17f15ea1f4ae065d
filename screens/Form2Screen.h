// The overtime and salary form Form2 "OverTime Percentage": the rows of period dates and overtime
// amounts (52 for weekly pay, 26 for bi-weekly), the salary and approved percentage, and the
// earned, present rate, maximum and available figures.
#pragma once

#include "text/Operator.h"
#include "employee/OvertimeTracker.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace tallyrin {

// What the form needs of the rest of the program, asked for at the moment of use.
struct Form2Links
{
    std::function<bool()> weekly;        // the profile's pay frequency
    std::function<bool()> saveEmployee;  // writes .use, .and, .cfe and the rows file; false on a fault
    std::function<void()> reloadProfile; // re-reads the employee's profile file family
};

// The "&TOTAL" figures of the rows, the salary and the approved percentage.
struct OvertimeFigures
{
    float OtEarned = 0;
    float PresentRate = 0; // a fraction; not finite when the annual salary is 0
    float OtMaximum = 0;
    float OtAvailable = 0;
};
OvertimeFigures overtimeFigures(const std::array<std::string, 52>& amounts, int rows, float annualSalary,
                                float approvedPercent);

class Form2Screen
{
public:
    static constexpr const char* kCaption = "OverTime Percentage";
    static constexpr const char* kAttentionTitle = "Attention";
    static constexpr const char* kAttention = "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.";
    static constexpr const char* kNewEmployeeSalary = "11440";
    static constexpr const char* kDefaultSalary = "15600";

    Form2Screen(OvertimeTracker& tracker, Operator& op, Form2Links links = {});
    void setLinks(Form2Links links) { m_links = std::move(links); }

    // Boxes and labels.
    std::array<std::string, 52> Text1{}; // " Week Ending"
    std::array<std::string, 52> txtOT{}; // " O.T. Only"
    std::string txtAnnual, txtApPercent;
    std::string lbEarned, txtPercent, lbMax, lbAvail;
    std::string lb_OT; // the main form's overtime label
    std::string lbWk;  // the main form's period date

    bool weekly() const { return !m_links.weekly || m_links.weekly(); }
    int rows() const { return weekly() ? 52 : 26; }
    // The form's width: the second block of rows shows for weekly pay only.
    int widthTwips() const { return weekly() ? 7725 : 5055; }

    // The boxes from the loaded employee; an empty or zero salary box becomes "15600".
    void FillInOT();
    // Opening from the main form ("OT %" or its overtime button): FillInOT, empty amount boxes
    // "0", then the totals, as the form computes them whenever it is drawn.
    void open(const std::string& mainOverTime, const std::string& mainWeek);
    bool isOpen() const { return m_open; }
    void close() { m_open = false; }

    // "&TOTAL": computes and saves. False with the "Attention" message when a box is missing, or
    // when the save failed (the operator has been told).
    bool cmdADD_Click();
    // The form's save: empty amounts "0", the active rows into the snapshot, then the employee's
    // profile file family.
    bool SaveOT();
    // Empty amounts of the active rows "0", then the active rows into the snapshot.
    void copyToSnapshot();
    // "&New Week": every active row takes the row below it; the last gets "0" and no date.
    void cmdAdvance_Click();
    // "&Undo": re-read the employee's files, then the snapshot and the stored salary and
    // percentage back into the boxes.
    void cmdUndo_Click();
    // "&Back": snapshot, save, close. False (the form stays open) when the save failed.
    bool cmdClose_Click();
    // A new employee: amounts "0", no dates, salary 11440, percentage 0, figures recomputed.
    void ClearAll();

    // Keyboard moves among the rows: the box to move to, or nullopt when the key is the box's own.
    enum class Column
    {
        Date,
        Amount,
    };
    enum class Key
    {
        Enter,
        Up,
        Down,
        Left,
        Right,
    };
    struct Cell
    {
        Column column;
        int row;
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    std::optional<Cell> move(Cell from, Key key) const;

private:
    void showFigures();

    OvertimeTracker& m_tracker;
    Operator& m_op;
    Form2Links m_links;
    bool m_open = false;
};

} // namespace tallyrin
