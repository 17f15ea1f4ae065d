// The binding of the overtime form, its date picker, the leave balances screen, the main form's
// saved-period buttons and the ledger frame's "&Excel".
#include "forms/DialogVac.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/FormsFixture.h"
#include "forms/FormsTestRegistry.h"
#include "forms/MDIForm1.h"
#include "forms/frmDate.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tallyrin {

class TrackersFormsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testing::FormsWorkspace> m_fx;
    std::unique_ptr<Form1> m_form;

    template <typename T> T* child(QWidget* in, const QString& name)
    {
        T* found = in->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void newEmployee(const char* name)
    {
        m_fx->dialogs.yesNoAnswers.push_back(false);
        m_fx->dialogs.inputAnswers.push_back(name);
        m_form->mnuNew_Click();
    }

private slots:
    void init()
    {
        m_fx = std::make_unique<testing::FormsWorkspace>();
        m_form = std::make_unique<Form1>(*m_fx->ws);
        m_fx->ws->startUp();
        m_form->showScreen();
        newEmployee("Smith");
    }
    void cleanup()
    {
        m_form.reset();
        m_fx.reset();
    }

    void overtimeButtonOpensTheFormAndTotalTypesThrough()
    {
        QTest::mouseClick(child<QPushButton>(m_form.get(), "cmdOT"), Qt::LeftButton);
        Form2* form = m_form->overtimeForm();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("OverTime Percentage"));
        QCOMPARE(child<QLineEdit>(form, "txtAnnual")->text(), QStringLiteral("11440"));
        QVERIFY(child<QLineEdit>(form, "Text1_51")->isVisible()); // weekly: the second block shows

        auto* annual = child<QLineEdit>(form, "txtAnnual");
        annual->selectAll();
        QTest::keyClicks(annual, "15600");
        child<QLineEdit>(form, "txtApPercent")->selectAll();
        QTest::keyClicks(child<QLineEdit>(form, "txtApPercent"), "15");
        QTest::keyClicks(child<QLineEdit>(form, "txtOT_0"), "1170"); // the box's "0" is selected on entry
        QTest::mouseClick(child<QPushButton>(form, "cmdADD"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(form, "lbEarned")->text(), QStringLiteral("$1,170.00"));
        QCOMPARE(child<QLineEdit>(form, "txtPercent")->text(), QStringLiteral("7.5%"));
        QCOMPARE(child<QLabel>(form, "lbAvail")->text(), QStringLiteral("$1,170.00"));

        // Enter moves down the column; Right goes from the date to the amount.
        auto* amount = child<QLineEdit>(form, "txtOT_0");
        amount->setFocus();
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(form->focusWidget(), child<QLineEdit>(form, "txtOT_1"));
        QTest::keyClick(form->focusWidget(), Qt::Key_Left);
        QCOMPARE(form->focusWidget(), child<QLineEdit>(form, "Text1_1"));

        QTest::mouseClick(child<QPushButton>(form, "cmdClose"), Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QVERIFY(m_fx->dialogs.messages().empty());
    }

    void datePickerFillsTheRow()
    {
        std::string row;
        frmDate picker(row, {2009, 3, 7}, {});
        auto* calendar = child<QCalendarWidget>(&picker, "DTPicker1");
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 7)); // an empty row starts at today
        QCOMPARE(row, std::string());
        calendar->setSelectedDate(QDate(2009, 12, 31));
        QCOMPARE(row, std::string("12/31/2009"));
        row = "02/06/2009";
        frmDate again(row, {2009, 3, 7}, {});
        QCOMPARE(child<QCalendarWidget>(&again, "DTPicker1")->selectedDate(), QDate(2009, 2, 6));
    }

    // A year typed in the picker's header and Enter: the picker stays open with the row on that
    // year, and OK keeps it.
    void datePickerKeepsATypedYear()
    {
        std::string row = "03/09/2009";
        frmDate picker(row, {2026, 12, 9}, {});
        picker.show();
        auto* year = child<QCalendarWidget>(&picker, "DTPicker1")->findChild<QSpinBox*>();
        QVERIFY(year);
        year->show();
        year->setFocus();
        year->selectAll();
        QTest::keyClicks(year, QStringLiteral("2010"));
        QTest::keyClick(year, Qt::Key_Return);
        QVERIFY(picker.isVisible());
        QCOMPARE(row, std::string("03/09/2010"));
        QTest::mouseClick(child<QPushButton>(&picker, "cmdOK"), Qt::LeftButton);
        QCOMPARE(row, std::string("03/09/2010"));
    }

    void vacationScreenFollowsEditsAndSaves()
    {
        QTest::mouseClick(child<QPushButton>(m_form.get(), "Command1"), Qt::LeftButton);
        DialogVac* vac = m_form->vacationDialog();
        QVERIFY(vac && vac->isVisible());
        QCOMPARE(vac->windowTitle(), QStringLiteral("Vacation / Holiday / Sick"));
        auto* start = child<QLineEdit>(vac, "txtVacBal");
        start->selectAll();
        QTest::keyClicks(start, "10");
        QTest::keyClicks(child<QLineEdit>(vac, "txtVcnt_0"), "1.5");
        QTest::keyClicks(child<QLineEdit>(vac, "txtVcnt_1"), "2");
        QTest::keyClicks(child<QLineEdit>(vac, "txtVdate_0"), "12/31/2009");
        QCOMPARE(child<QLabel>(vac, "lbVacBal")->text(), QStringLiteral("6.5"));
        QCOMPARE(child<QLabel>(vac, "lbSickBal")->text(), QStringLiteral("0"));
        QTest::mouseClick(child<QPushButton>(vac, "OKButton"), Qt::LeftButton);
        QVERIFY(!vac->isVisible());
        QCOMPARE(m_fx->ws->leave.VacBalance, 6.5f);
        QVERIFY(std::filesystem::exists(m_fx->folder / "Smith.hol"));
        QVERIFY(vac->findChild<QAction*>(QStringLiteral("mnuHelp")));
    }

    void savedPeriodButtons()
    {
        m_fx->ws->form1.setWeek("12/31/2009");
        m_form->showScreen();
        QTest::keyClicks(child<QLineEdit>(m_form.get(), "txtAmount_0"), "40");
        QTest::mouseClick(child<QPushButton>(m_form.get(), "cmdSavePrev"), Qt::LeftButton);
        const auto saved = m_fx->folder / "12_31_2009  Smith.prv";
        QVERIFY(std::filesystem::exists(saved));

        m_fx->dialogs.fileAnswers.push_back(std::nullopt); // Cancel: nothing changes
        QTest::mouseClick(child<QPushButton>(m_form.get(), "cmdPeriod"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(m_form.get(), "txtWeek")->text(), QStringLiteral("12/31/2009"));
        m_fx->dialogs.fileAnswers.push_back(saved.string());
        QTest::mouseClick(child<QPushButton>(m_form.get(), "cmdPeriod"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(m_form.get(), "Label13")->text(), QStringLiteral("$300.00"));
    }

    void excelWritesTheWorkbookAndSaysWhereWithoutASpreadsheetProgram()
    {
        std::filesystem::path opened;
        m_form->setWorkbookOpener([&opened](const std::filesystem::path& file) {
            opened = file;
            return false;
        });
        m_form->mnuYear_Click();
        MDIForm1* frame = m_form->ledgerFrame();
        QVERIFY(frame);
        QAction* excel = frame->findChild<QAction*>(QStringLiteral("mnuExcel"));
        QVERIFY(excel && excel->isEnabled());
        QCOMPARE(excel->text(), QStringLiteral("&Excel"));
        excel->trigger();
        const auto workbook = m_fx->folder / "Smith ledger.xlsx";
        QCOMPARE(opened, workbook);
        QVERIFY(std::filesystem::file_size(workbook) > 0);
        const auto messages = m_fx->dialogs.messages();
        QCOMPARE(int(messages.size()), 1);
        QVERIFY(messages[0].find(workbook.string()) != std::string::npos);
        m_fx->ws->cmdEnd_Click(); // the save screen closes the frame
    }
};

TALLYRIN_FORMS_TEST(TrackersFormsTest);

} // namespace tallyrin

#include "TrackersFormsTest.moc"
