// The year-to-date frame's binding: a click on a week number pastes the period, the Close menu
// asks its save question, and a plain window close is refused.
#include "forms/FormsTestRegistry.h"
#include "forms/MDIForm1.h"
#include "forms/frmYear.h"
#include "forms/ModalDialogs.h"
#include "platform/QtOperator.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTest>

#include <fstream>
#include <memory>
#include <sstream>

namespace tallyrin {
namespace {

PayPeriodResult period()
{
    PayPeriodResult r;
    r.GrossPay = 440;
    r.FedTax = 45.12f;
    r.NetPay = 348.22f;
    return r;
}

} // namespace

class YtdFormsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_tmp;
    std::unique_ptr<YtdLedger> m_ledger;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MDIForm1> m_frame;
    std::unique_ptr<EmployeeFiles> m_files;
    EmployeeProfile m_profile;

    QTableWidget* grid(int half) { return m_frame->findChild<QTableWidget*>(QStringLiteral("grdYear_%1").arg(half)); }

    // Clicks the week number of `week` (1-based) with the given button.
    void clickWeek(int week, Qt::MouseButton button)
    {
        auto* g = grid(week > 26 ? 1 : 0);
        QVERIFY(g);
        const int row = frmYear::kInstructionRow + 1 + (week - 1) % 26;
        const auto rect = g->visualItemRect(g->item(row, frmYear::kWeekColumn));
        QTest::mouseClick(g->viewport(), button, {}, rect.center());
    }

    QString cell(int week, YtdAmount column)
    {
        auto* g = grid(week > 26 ? 1 : 0);
        return g->item(frmYear::kInstructionRow + 1 + (week - 1) % 26, frmYear::kFirstAmountColumn + int(column))
            ->text();
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<TempFolder>();
        m_ledger = std::make_unique<YtdLedger>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_files = std::make_unique<EmployeeFiles>(m_tmp->path(), "Smith");
        m_profile = EmployeeProfile{};
        m_profile.DeductLabel = {"Union", "Bond", "Dues", "Pension", "Misc."};
        YtdContext context{*m_files, m_profile, [] { return period(); }, [] { return std::string("12/31/2009"); }};
        m_frame = std::make_unique<MDIForm1>(*m_ledger, *m_dialogs, context);
    }

    void cleanup()
    {
        m_frame->screen().setLedgerClosing(true);
        m_frame.reset();
        m_dialogs.reset();
        m_ledger.reset();
        m_tmp.reset();
    }

    void showsHeadingsInstructionAndToolTip()
    {
        m_frame->showLedger();
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Year To Date"));
        auto* g = grid(0);
        QCOMPARE(g->horizontalHeaderItem(frmYear::kDateColumn)->text(), QStringLiteral("Week"));
        QCOMPARE(g->horizontalHeaderItem(frmYear::kFirstAmountColumn + int(YtdAmount::CreditUnion))->text(),
                 QStringLiteral("Union"));
        QCOMPARE(g->item(frmYear::kInstructionRow, 0)->text(),
                 QStringLiteral("LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW"));
        QCOMPARE(g->item(1, frmYear::kWeekColumn)->toolTip(),
                 QStringLiteral("Click on a week number to paste in data."));
        QCOMPARE(grid(1)->item(26, frmYear::kWeekColumn)->text(), QStringLiteral("52"));
        QVERIFY(!grid(1)->isHidden());
    }

    void biWeeklyShowsTwentySixWeeksWithTheTotalsRightUnder()
    {
        m_profile.Weekly = false;
        m_profile.BiWeekly = true;
        m_frame->showLedger();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QVERIFY(grid(1)->isHidden());
        QVERIFY(!grid(0)->isHidden());
        // No empty gap between the last row and the totals: only the Close button row.
        auto* scroll = m_frame->findChild<QWidget*>(QStringLiteral("ledgerScroll"));
        auto* totals = m_frame->findChild<QWidget*>(QStringLiteral("totalsScroll"));
        const int gridBottom = scroll->mapTo(m_frame.get(), QPoint(0, scroll->height())).y();
        const int totalsTop = totals->mapTo(m_frame.get(), QPoint(0, 0)).y();
        QVERIFY2(totalsTop - gridBottom < 60, qPrintable(QString::number(totalsTop - gridBottom)));
    }

    void frameFitsASmallScreenAndScrollsItsColumns()
    {
        m_frame->showLedger();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QVERIFY(m_frame->width() <= 1280 && m_frame->height() <= 800);
        m_frame->resize(700, 500);
        QCoreApplication::processEvents();
        // Narrowed, the grid keeps every column and its scroll area reaches them.
        auto* scroll = m_frame->findChild<QScrollArea*>(QStringLiteral("ledgerScroll"));
        QCOMPARE(grid(0)->width(), grid(0)->horizontalHeader()->length() + 2 * grid(0)->frameWidth());
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        auto* totals = m_frame->findChild<QScrollArea*>(QStringLiteral("totalsScroll"));
        QVERIFY(totals->horizontalScrollBar()->maximum() > 0);
    }

    // Every column is as wide as its widest text: a full date, the largest weekly amount and
    // the longest heading are shown whole, in both halves.
    void everyColumnShowsItsWidestTextWhole()
    {
        m_profile.DeductLabel = {"Union", "Bond", "Dues", "Pension", "Retirement"};
        PayPeriodResult big = period();
        big.GrossPay = 99999.99f;
        YtdContext context{*m_files, m_profile, [big] { return big; }, [] { return std::string("01/09/2009"); }};
        m_frame = std::make_unique<MDIForm1>(*m_ledger, *m_dialogs, context);
        m_frame->showLedger();
        clickWeek(1, Qt::LeftButton);
        clickWeek(40, Qt::LeftButton);
        for (int half = 0; half < 2; ++half) {
            auto* g = grid(half);
            for (int c = 0; c < g->columnCount(); ++c) {
                const int needed = std::max(g->horizontalHeader()->sectionSizeHint(c),
                                            [&] {
                                                int widest = 0;
                                                for (int r = frmYear::kInstructionRow + 1; r < g->rowCount(); ++r) {
                                                    QStyleOptionViewItem option;
                                                    option.initFrom(g);
                                                    option.font = g->font();
                                                    option.text = g->item(r, c)->text();
                                                    option.features = QStyleOptionViewItem::HasDisplay;
                                                    widest = std::max(widest, g->style()->sizeFromContents(
                                                        QStyle::CT_ItemViewItem, &option, QSize(), g).width());
                                                }
                                                return widest;
                                            }());
                QVERIFY2(g->columnWidth(c) >= needed,
                         qPrintable(QStringLiteral("column %1 of half %2: %3 < %4")
                                        .arg(c).arg(half).arg(g->columnWidth(c)).arg(needed)));
            }
        }
        QCOMPARE(grid(0)->item(1, frmYear::kDateColumn)->text(), QStringLiteral("01/09/2009"));
    }

    void menuBarClearAllAndAdd()
    {
        m_frame->showLedger();
        const auto action = [this](const char* name) {
            auto* a = m_frame->findChild<QAction*>(QString::fromLatin1(name));
            if (!a)
                qFatal("no menu item %s", name);
            return a;
        };
        QCOMPARE(action("mnuClearAll")->text(), QStringLiteral("&Clear All"));
        QVERIFY(action("mnuPrint")->isEnabled());
        QVERIFY(action("mnuExcel")->isEnabled());
        clickWeek(3, Qt::LeftButton);
        QCOMPARE(cell(3, YtdAmount::Gross), QStringLiteral("440.00"));
        // "&Add" takes a typed cell into the totals.
        grid(0)->item(frmYear::kInstructionRow + 3, frmYear::kFirstAmountColumn + int(YtdAmount::Net))
            ->setText(QStringLiteral("100"));
        action("mnuAdd")->trigger();
        QCOMPARE(m_ledger->box(YtdAmount::Net), std::string("100.00"));
        action("mnuClearAll")->trigger();
        QCOMPARE(cell(3, YtdAmount::Gross), QStringLiteral("0"));
        QCOMPARE(m_ledger->box(YtdAmount::Gross), std::string(".00"));
    }

    void leftClickOnWeekNumberPastesThePeriod()
    {
        m_frame->showLedger();
        clickWeek(30, Qt::LeftButton);
        QCOMPARE(cell(30, YtdAmount::Gross), QStringLiteral("440.00"));
        QCOMPARE(cell(30, YtdAmount::Federal), QStringLiteral("45.12"));
        QCOMPARE(grid(1)->item(4, frmYear::kDateColumn)->text(), QStringLiteral("12/31/2009"));
        auto* grossTotal = m_frame->findChild<QLineEdit*>(QStringLiteral("txtTot_13"));
        QVERIFY(grossTotal);
        QCOMPARE(grossTotal->text(), QStringLiteral("440.00"));
        QCOMPARE(m_ledger->ytdGross(), Currency::fromCount(4400000));
    }

    void rightClickOnAWeekNumberDeletesTheRow()
    {
        m_frame->showLedger();
        clickWeek(2, Qt::LeftButton);
        QCOMPARE(m_ledger->ytdGross(), Currency::fromCount(4400000));
        clickWeek(2, Qt::RightButton);
        QCOMPARE(grid(0)->item(2, frmYear::kDateColumn)->text(), QStringLiteral("0"));
        QCOMPARE(m_ledger->ytdGross(), Currency());
    }

    void popUpOnARowDeletesThatRow()
    {
        m_frame->showLedger();
        clickWeek(2, Qt::LeftButton);
        auto* g = grid(0);
        const QRect dateCell = g->visualItemRect(g->item(2, frmYear::kDateColumn));
        QTest::mouseClick(g->viewport(), Qt::RightButton, {}, dateCell.center());
        QCOMPARE(grid(0)->item(2, frmYear::kDateColumn)->text(), QStringLiteral("12/31/2009")); // not yet
        auto* remove = m_frame->findChild<QAction*>(QStringLiteral("mnuDelete"));
        QVERIFY(remove);
        QCOMPARE(remove->text(), QStringLiteral("&Delete Row"));
        remove->trigger();
        QCOMPARE(grid(0)->item(2, frmYear::kDateColumn)->text(), QStringLiteral("0"));
        QCOMPARE(m_ledger->ytdGross(), Currency());
    }

    void grossCellTakesOnlyNumericKeysAndIsSavedAtClose()
    {
        m_frame->showLedger();
        auto* g = grid(0);
        auto* item = g->item(1, frmYear::kFirstAmountColumn + int(YtdAmount::Gross));
        g->editItem(item);
        auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(g->indexFromItem(item)));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("1a2.5x"));
        QTest::keyClick(editor, Qt::Key_Return); // the delegate commits on the next event loop turn
        QTRY_COMPARE(item->text(), QStringLiteral("12.5"));

        m_dialogs->yesNoAnswers = {true};
        m_frame->findChild<QAction*>(QStringLiteral("mnuClose"))->trigger();
        QCOMPARE(m_ledger->ytdGross(), Currency::fromCount(125000));
        const auto saved = fileBytes(m_tmp->path() / "Smith.yrw");
        QVERIFY(saved.starts_with("\"\",0,0,0,0\r\n0,0,0,0,0\r\n0,0,0,12.5,0\r\n0,0,0,0\r\n"));
        QVERIFY(saved.ends_with("\r\n0,0,12.5,0,0\r\n"));
    }

    void closeMenuAsksAndNoLeavesTheFile()
    {
        m_frame->showLedger();
        clickWeek(1, Qt::LeftButton);
        m_dialogs->yesNoAnswers = {false};
        auto* close = m_frame->findChild<QAction*>(QStringLiteral("mnuClose"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        close->trigger();
        QCOMPARE(m_dialogs->log.size(), size_t(1));
        QCOMPARE(m_dialogs->log[0].title, std::string("Save?"));
        QCOMPARE(m_dialogs->log[0].text, std::string("     Do you want to save YTD"));
        QVERIFY(!m_frame->isVisible());
        QVERIFY(!std::filesystem::exists(m_tmp->path() / "Smith.yrw"));
    }

    void plainCloseShowsUseCloseInstead()
    {
        m_frame->showLedger();
        QVERIFY(!m_frame->close());
        QVERIFY(m_frame->isVisible());
        QCOMPARE(m_dialogs->messages(), std::vector<std::string>{"USE CLOSE INSTEAD"});

        m_frame->closeLedger(); // the save screen raises the ledger-close flag
        QVERIFY(!m_frame->isVisible());
        QCOMPARE(m_dialogs->messages().size(), size_t(1));
    }

    // What the ledger says as it opens belongs to the ledger, over the main window, and the
    // ledger stays in front afterwards.
    void openingMessagesBelongToTheLedger()
    {
        QWidget main;
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        writeBytes(m_tmp->path() / "Smith.yrw", "\"01/02/2009\",oops\r\n");
        QtOperator op(&main);
        YtdContext context{*m_files, m_profile, [] { return period(); }, [] { return std::string("12/31/2009"); }};
        MDIForm1 frame(*m_ledger, op, context, &main);
        frame.setWindowFlag(Qt::Window);
        QWidget* owner = nullptr;
        testing::onNextModal([&](QWidget* dialog) {
            owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
            static_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
        });
        frame.showLedger();
        QCOMPARE(owner, static_cast<QWidget*>(&frame));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&frame));
        frame.screen().setLedgerClosing(true);
    }
};

TALLYRIN_FORMS_TEST(YtdFormsTest);

} // namespace tallyrin

#include "YtdFormsTest.moc"
