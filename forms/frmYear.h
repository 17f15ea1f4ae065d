// The ledger grid: weeks 1 to 26 above and 27 to 52 below, each half with its headings and the
// instruction line. A left click on a week number pastes the period just calculated into that row;
// a right click opens the pop-up menu frmPopUp for the row. Tips, Net and Gross are editable.
#pragma once

#include <QWidget>

#include <array>

class QAction;
class QMenu;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace tallyrin {

class FormBinding;
class LedgerGrid;
class MDIForm1Screen;

class frmYear : public QWidget
{
    Q_OBJECT
public:
    explicit frmYear(MDIForm1Screen& screen, QWidget* parent = nullptr);

    // Copies the headings and every row of the ledger's grid into the tables.
    void showScreen();
    // Commits a cell being edited, so that an operation sees what was typed.
    void finishEditing();

    // Table row of the instruction line; week rows follow it.
    static constexpr int kInstructionRow = 0;
    static constexpr int kWeekColumn = 0;
    static constexpr int kDateColumn = 1;
    static constexpr int kFirstAmountColumn = 2;

signals:
    // An operation changed the rows and the totals.
    void ledgerChanged();
    // cmdBack "&Close": the closing procedure.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LedgerGrid* buildHalf(int half);
    void afterOperation();
    void fitColumns();
    // A pop-up menu item: the edit in progress is taken, the screen's operation runs, the grid shows it.
    void runMenuItem(void (MDIForm1Screen::*op)());

    MDIForm1Screen& m_screen;
    FormBinding* m_binding;
    std::array<LedgerGrid*, 2> m_grid{};
    QScrollArea* m_scroll = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QMenu* m_popUp = nullptr; // frmPopUp's mnuFile
};

} // namespace tallyrin
