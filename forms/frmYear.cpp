#include "forms/frmYear.h"

#include "platform/Named.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"
#include "platform/QtText.h"
#include "screens/MDIForm1Screen.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace tallyrin {

namespace {

constexpr int kRowsPerHalf = 26;

bool isEditable(YtdAmount c) { return c == YtdAmount::Tips || c == YtdAmount::Net || c == YtdAmount::Gross; }

// Editors of the Net and Gross cells take only the numeric box's characters; Tips takes any text.
class NumericCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* box = qobject_cast<QLineEdit*>(editor))
            makeNumericBox(box);
        return editor;
    }
};

} // namespace

// A table that can commit its open cell editor on demand.
class LedgerGrid : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;

    void finishEditing()
    {
        if (state() != EditingState)
            return;
        if (auto* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

    // The width a cell needs to show `text` whole in this grid's font and style.
    int cellWidth(const QString& text, const QFont& font) const
    {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.font = font;
        option.text = text;
        option.features |= QStyleOptionViewItem::HasDisplay;
        // One more pixel for the grid line drawn inside the cell.
        return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() + 1;
    }
};

namespace {

QTableWidgetItem* fixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

frmYear::frmYear(MDIForm1Screen& screen, QWidget* parent)
    : QWidget(parent)
    , m_screen(screen)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("frmYear"));
    auto* outer = new QVBoxLayout(this);

    auto* scroll = m_scroll = named<QScrollArea>(this, "ledgerScroll");
    scroll->setWidgetResizable(true);
    auto* halves = new QWidget(scroll);
    auto* halvesLayout = new QVBoxLayout(halves);
    // No side margins: the width goes to the columns.
    const QMargins margins = halvesLayout->contentsMargins();
    halvesLayout->setContentsMargins(0, margins.top(), 0, margins.bottom());
    for (int half = 0; half < 2; ++half)
        halvesLayout->addWidget(m_grid[static_cast<size_t>(half)] = buildHalf(half));
    halvesLayout->addStretch();
    scroll->setWidget(halves);
    outer->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    m_cmdBack = named<QPushButton>(this, "cmdBack", QStringLiteral("&Close"));
    connect(m_cmdBack, &QPushButton::clicked, this, [this] {
        finishEditing();
        emit closeRequested();
    });
    buttons->addStretch();
    buttons->addWidget(m_cmdBack);
    outer->addLayout(buttons);

    // frmPopUp: the menu "&File" shown over the ledger at a right click on a row's other cells.
    m_popUp = named<QMenu>(this, "mnuFile", QStringLiteral("&File"));
    const auto addItem = [this](const char* name, const QString& caption, void (MDIForm1Screen::*op)()) {
        auto* action = m_popUp->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, op] { runMenuItem(op); });
    };
    addItem("mnuPaste", QStringLiteral("&Paste Week"), &MDIForm1Screen::mnuPaste_Click);
    addItem("mnuDelete", QStringLiteral("&Delete Row"), &MDIForm1Screen::mnuDelete_Click);
    addItem("mnuCancel", QStringLiteral("&Cancel"), &MDIForm1Screen::mnuCancel_Click);

    showScreen();
}

LedgerGrid* frmYear::buildHalf(int half)
{
    auto* grid = new LedgerGrid(kRowsPerHalf + 1, kFirstAmountColumn + kYtdColumns, this);
    grid->setObjectName(QStringLiteral("grdYear_%1").arg(half));
    grid->verticalHeader()->hide();
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto* numeric = new NumericCellDelegate(grid);
    grid->setItemDelegateForColumn(kFirstAmountColumn + static_cast<int>(YtdAmount::Net), numeric);
    grid->setItemDelegateForColumn(kFirstAmountColumn + static_cast<int>(YtdAmount::Gross), numeric);

    // The instruction line under the headings.
    grid->setSpan(kInstructionRow, 0, 1, grid->columnCount());
    auto* instruction = fixedItem(QString::fromLatin1(YtdLedger::kInstruction));
    QFont bold = instruction->font();
    bold.setBold(true);
    instruction->setFont(bold);
    grid->setItem(kInstructionRow, 0, instruction);

    for (int r = 0; r < kRowsPerHalf; ++r) {
        const int row = r + 1;
        auto* week = fixedItem(QString::number(half * kRowsPerHalf + r + 1));
        week->setToolTip(QString::fromLatin1(YtdLedger::kWeekToolTip));
        week->setTextAlignment(Qt::AlignCenter);
        week->setForeground(palette().link());
        grid->setItem(row, kWeekColumn, week);
        grid->setItem(row, kDateColumn, fixedItem({}));
        for (int c = 0; c < kYtdColumns; ++c) {
            auto* cell = new QTableWidgetItem;
            // The cells the operator may type in keep the plain base colour; the others are shaded.
            if (isEditable(static_cast<YtdAmount>(c))) {
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable);
            } else {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(palette().alternateBase());
            }
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(row, kFirstAmountColumn + c, cell);
        }
    }
    grid->resizeRowsToContents();
    // Every row of the half stays in view; the scroll area around both halves scrolls.
    int height = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r)
        height += grid->rowHeight(r);
    grid->setFixedHeight(height);

    grid->viewport()->installEventFilter(this);
    // Each week row shows its ledger row slot: the date, then the amounts. Edits reach the
    // ledger's rows at the next Update.
    m_binding->cells(grid, [this, half](int row, int column) -> std::string* {
        if (row == kInstructionRow || column == kWeekColumn)
            return nullptr;
        auto& slot = m_screen.ledger().grid[static_cast<size_t>(half * kRowsPerHalf + row - 1)];
        if (column == kDateColumn)
            return &slot.date;
        return &slot.cells[static_cast<size_t>(column - kFirstAmountColumn)];
    });
    return grid;
}

void frmYear::runMenuItem(void (MDIForm1Screen::*op)())
{
    finishEditing();
    (m_screen.*op)();
    afterOperation();
}

void frmYear::showScreen()
{
    const auto& ledger = m_screen.ledger();
    m_binding->show();
    QStringList headings{QString(), QString::fromLatin1(YtdLedger::kWeekHeading)};
    for (int c = 0; c < kYtdColumns; ++c)
        headings << toQt(ledger.heading(static_cast<YtdAmount>(c)));
    for (auto* grid : m_grid)
        grid->setHorizontalHeaderLabels(headings);
    fitColumns();
    // A bi-weekly ledger uses weeks 1 to 26 only.
    m_grid[1]->setVisible(!ledger.biWeekly());
    // The scroll area is never taller than the rows it shows, so the totals follow the last row.
    m_scroll->widget()->adjustSize();
    m_scroll->setMaximumHeight(m_scroll->widget()->sizeHint().height() + 2 * m_scroll->frameWidth() +
                               m_scroll->horizontalScrollBar()->sizeHint().height());
}

void frmYear::fitColumns()
{
    // Each column is as wide as its widest text in either half: its heading, the texts shown and
    // the widest a week can hold (a full date, an amount up to 99,999.99), so a paste never elides.
    const auto* first = m_grid[0];
    const int columns = first->columnCount();
    std::vector<int> widths(static_cast<size_t>(columns), 0);
    for (int c = 0; c < columns; ++c) {
        const QString widest = c == kWeekColumn   ? QStringLiteral("52")
                               : c == kDateColumn ? QStringLiteral("00/00/0000")
                                                  : QStringLiteral("99,999.99");
        widths[static_cast<size_t>(c)] = first->cellWidth(widest, first->font());
    }
    for (auto* grid : m_grid) {
        for (int c = 0; c < columns; ++c) {
            int& width = widths[static_cast<size_t>(c)];
            width = std::max(width, grid->horizontalHeader()->sectionSizeHint(c));
            for (int r = kInstructionRow + 1; r < grid->rowCount(); ++r) {
                const auto* item = grid->item(r, c);
                width = std::max(width, grid->cellWidth(item->text(), item->font()));
            }
        }
    }
    for (auto* grid : m_grid) {
        // Every column stays in the grid's width: a narrow window scrolls instead of hiding columns.
        int total = 2 * grid->frameWidth();
        for (int c = 0; c < columns; ++c) {
            grid->setColumnWidth(c, widths[static_cast<size_t>(c)]);
            total += widths[static_cast<size_t>(c)];
        }
        grid->setFixedWidth(total);
    }
}

void frmYear::finishEditing()
{
    for (auto* grid : m_grid)
        grid->finishEditing();
}

void frmYear::afterOperation()
{
    showScreen();
    emit ledgerChanged();
}

bool frmYear::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int half = 0; half < 2; ++half) {
            auto* grid = m_grid[static_cast<size_t>(half)];
            if (watched != grid->viewport())
                continue;
            auto* mouse = static_cast<QMouseEvent*>(event);
            const auto index = grid->indexAt(mouse->position().toPoint());
            if (!index.isValid() || index.row() == kInstructionRow)
                return false;
            const int slot = half * kRowsPerHalf + index.row() - 1;
            const bool onWeek = index.column() == kWeekColumn;
            if (mouse->button() == Qt::LeftButton && onWeek) {
                finishEditing();
                m_screen.weekClicked(slot); // paste the period just calculated
                afterOperation();
                return true;
            }
            if (mouse->button() == Qt::RightButton) {
                finishEditing();
                m_screen.setCurrentRow(slot);
                if (onWeek) {
                    // "RIGHT CLICK TO DELETE ROW"
                    m_screen.mnuDelete_Click();
                    afterOperation();
                } else {
                    m_popUp->popup(mouse->globalPosition().toPoint());
                }
                return true;
            }
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyrin
