#include "screens/Form2Screen.h"

#include "text/Numbers.h"

#include <cmath>
#include <utility>

namespace tallyrin {
namespace {

const char* const kMoneyMask = "$#,###.#0";

bool readsZero(const std::string& text) { return leadingNumber(text) == 0; }

} // namespace

OvertimeFigures overtimeFigures(const std::array<std::string, 52>& amounts, int rows, float annualSalary,
                                float approvedPercent)
{
    OvertimeFigures f;
    double sum = 0;
    for (int row = 0; row < rows; ++row)
        sum += leadingNumber(amounts[static_cast<size_t>(row)]);
    f.OtEarned = static_cast<float>(sum);
    f.PresentRate = static_cast<float>(static_cast<double>(f.OtEarned) / annualSalary);
    f.OtMaximum = static_cast<float>(static_cast<double>(approvedPercent) * 0.01 * annualSalary);
    f.OtAvailable = static_cast<float>(static_cast<double>(f.OtMaximum) - f.OtEarned);
    return f;
}

Form2Screen::Form2Screen(OvertimeTracker& tracker, Operator& op, Form2Links links)
    : m_tracker(tracker)
    , m_op(op)
    , m_links(std::move(links))
{
}

void Form2Screen::FillInOT()
{
    txtAnnual = screenText(m_tracker.AnnualSalary);
    txtApPercent = screenText(m_tracker.ApprovedPercent);
    if (txtAnnual.empty() || readsZero(txtAnnual))
        txtAnnual = kDefaultSalary;
    for (int row = 0; row < rows(); ++row) {
        Text1[static_cast<size_t>(row)] = m_tracker.OtDates[static_cast<size_t>(row)];
        txtOT[static_cast<size_t>(row)] = m_tracker.OtAmounts[static_cast<size_t>(row)];
    }
}

void Form2Screen::open(const std::string& mainOverTime, const std::string& mainWeek)
{
    lb_OT = mainOverTime;
    lbWk = mainWeek;
    FillInOT();
    for (auto& amount : txtOT)
        if (amount.empty())
            amount = "0";
    m_open = true;
    cmdADD_Click();
}

void Form2Screen::showFigures()
{
    lbEarned = format(m_tracker.OtEarned, kMoneyMask);
    // A salary of 0 leaves the rate without a finite value; the box says so plainly.
    txtPercent = std::isfinite(m_tracker.PresentRate) ? format(m_tracker.PresentRate, "##.##%") : "--";
    lbMax = format(m_tracker.OtMaximum, kMoneyMask);
    lbAvail = format(m_tracker.OtAvailable, kMoneyMask);
}

bool Form2Screen::cmdADD_Click()
{
    if (txtAnnual.empty() || txtApPercent.empty() || (readsZero(txtAnnual) && readsZero(txtApPercent))) {
        m_op.message(kAttention, Icon::Exclamation, kAttentionTitle);
        return false;
    }
    for (int row = 0; row < rows(); ++row)
        if (txtOT[static_cast<size_t>(row)].empty())
            txtOT[static_cast<size_t>(row)] = "0";
    m_tracker.AnnualSalary = static_cast<float>(leadingNumber(txtAnnual));
    m_tracker.ApprovedPercent = static_cast<float>(leadingNumber(txtApPercent));
    const OvertimeFigures f = overtimeFigures(txtOT, rows(), m_tracker.AnnualSalary, m_tracker.ApprovedPercent);
    m_tracker.OtEarned = f.OtEarned;
    m_tracker.PresentRate = f.PresentRate;
    m_tracker.OtMaximum = f.OtMaximum;
    m_tracker.OtAvailable = f.OtAvailable;
    showFigures();
    return SaveOT();
}

void Form2Screen::copyToSnapshot()
{
    for (int row = 0; row < rows(); ++row) {
        const auto r = static_cast<size_t>(row);
        if (txtOT[r].empty())
            txtOT[r] = "0";
        m_tracker.OtDates[r] = Text1[r];
        m_tracker.OtAmounts[r] = txtOT[r];
    }
}

bool Form2Screen::SaveOT()
{
    copyToSnapshot();
    return !m_links.saveEmployee || m_links.saveEmployee();
}

void Form2Screen::cmdAdvance_Click()
{
    const auto last = static_cast<size_t>(rows() - 1);
    for (size_t row = 0; row < last; ++row) {
        Text1[row] = Text1[row + 1];
        txtOT[row] = txtOT[row + 1];
    }
    Text1[last].clear();
    txtOT[last] = "0";
}

void Form2Screen::cmdUndo_Click()
{
    if (m_links.reloadProfile)
        m_links.reloadProfile();
    for (int row = 0; row < rows(); ++row) {
        Text1[static_cast<size_t>(row)] = m_tracker.OtDates[static_cast<size_t>(row)];
        txtOT[static_cast<size_t>(row)] = m_tracker.OtAmounts[static_cast<size_t>(row)];
    }
    txtAnnual = screenText(m_tracker.AnnualSalary);
    txtApPercent = screenText(m_tracker.ApprovedPercent);
}

bool Form2Screen::cmdClose_Click()
{
    if (!SaveOT())
        return false;
    m_open = false;
    return true;
}

void Form2Screen::ClearAll()
{
    for (int row = 0; row < rows(); ++row)
        txtOT[static_cast<size_t>(row)] = "0";
    Text1.fill("");
    if (readsZero(txtAnnual))
        txtAnnual = kNewEmployeeSalary;
    txtApPercent = "0";
    m_tracker.OtEarned = 0;
    m_tracker.PresentRate = 0;
    m_tracker.AnnualSalary = 11440;
    m_tracker.ApprovedPercent = 0;
    m_tracker.OtMaximum = static_cast<float>(static_cast<double>(m_tracker.ApprovedPercent) * 0.01 * m_tracker.AnnualSalary);
    m_tracker.OtAvailable = static_cast<float>(static_cast<double>(m_tracker.OtMaximum) - m_tracker.OtEarned);
    showFigures();
}

std::optional<Form2Screen::Cell> Form2Screen::move(Cell from, Key key) const
{
    const int last = rows() - 1;
    switch (key) {
    case Key::Enter:
        return Cell{from.column, from.row >= last ? 0 : from.row + 1};
    case Key::Up:
        return from.row > 0 ? std::optional<Cell>(Cell{from.column, from.row - 1}) : std::nullopt;
    case Key::Down:
        return from.row < last ? std::optional<Cell>(Cell{from.column, from.row + 1}) : std::nullopt;
    case Key::Right:
        return from.column == Column::Date ? std::optional<Cell>(Cell{Column::Amount, from.row}) : std::nullopt;
    case Key::Left:
        return from.column == Column::Amount ? std::optional<Cell>(Cell{Column::Date, from.row}) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace tallyrin
