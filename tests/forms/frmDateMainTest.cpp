// The date picker's binding: it opens at the date of txtWeek (today when empty, and txtWeek reset
// to today when not a date), every change or click writes the picked date into txtWeek at once,
// and "Ok" writes it and closes.
#include "forms/frmDateMain.h"

#include "screens/Form1Screen.h"
#include "forms/FormsTestRegistry.h"

#include <QCalendarWidget>
#include <QDate>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <memory>

namespace tallyrin {

class frmDateMainTest : public QObject
{
    Q_OBJECT

private:
    Form1Screen m_form1;
    int m_refreshes = 0;
    std::unique_ptr<frmDateMain> m_picker;

    QCalendarWidget* calendar() { return m_picker->findChild<QCalendarWidget*>(QStringLiteral("DTPicker1")); }
    QTableView* days() { return calendar()->findChild<QTableView*>(); }
    void open(const std::string& week)
    {
        m_form1.txtWeek = week;
        m_picker->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_picker.get()));
    }

private slots:
    void init()
    {
        m_form1 = Form1Screen{};
        m_refreshes = 0;
        m_picker = std::make_unique<frmDateMain>(
            m_form1,
            [] {
                return CalendarDate{2009, 6, 15};
            },
            [this] { ++m_refreshes; });
    }

    void cleanup() { m_picker.reset(); }

    void opensAtTheDateOfTheBox()
    {
        open("1/5/2010");
        QVERIFY(m_picker->isModal());
        QCOMPARE(calendar()->selectedDate(), QDate(2010, 1, 5));
        QCOMPARE(m_form1.txtWeek, std::string("1/5/2010")); // opening alone changes nothing
        QCOMPARE(m_refreshes, 0);

        // Each opening starts at the box again.
        m_picker->accept();
        m_form1.txtWeek = "11/26/2009";
        m_picker->show();
        QCOMPARE(calendar()->selectedDate(), QDate(2009, 11, 26));
    }

    void emptyBoxOpensAtToday()
    {
        open("");
        QCOMPARE(calendar()->selectedDate(), QDate(2009, 6, 15));
        QCOMPARE(m_form1.txtWeek, std::string());
        QCOMPARE(m_refreshes, 0);
    }

    void invalidBoxIsResetToToday()
    {
        open("2/30/2009 and more");
        QCOMPARE(calendar()->selectedDate(), QDate(2009, 6, 15));
        QCOMPARE(m_form1.txtWeek, std::string("06/15/2009"));
        QCOMPARE(m_refreshes, 1); // the main form shows the reset text
    }

    void everyChangeWritesTheBoxAtOnce()
    {
        open("12/31/2009");
        days()->setFocus();
        QTest::keyClick(days(), Qt::Key_Right);
        QCOMPARE(m_form1.txtWeek, std::string("01/01/2010"));
        QCOMPARE(m_refreshes, 1);
        QTest::keyClick(days(), Qt::Key_Down);
        QCOMPARE(m_form1.txtWeek, std::string("01/08/2010"));
        QCOMPARE(m_refreshes, 2);
        calendar()->setSelectedDate(QDate(2009, 2, 28));
        QCOMPARE(m_form1.txtWeek, std::string("02/28/2009"));
        // The last day the picker offers still fits the box's ten characters.
        calendar()->setSelectedDate(QDate(9999, 12, 31));
        QCOMPARE(m_form1.txtWeek, std::string("12/31/9999"));
        QVERIFY(m_picker->isVisible());
    }

    void clickOnTheShownDateWritesIt()
    {
        open("");
        const QModelIndex current = days()->currentIndex();
        QTest::mouseClick(days()->viewport(), Qt::LeftButton, {}, days()->visualRect(current).center());
        QCOMPARE(m_form1.txtWeek, std::string("06/15/2009"));
        QVERIFY(m_refreshes >= 1);
    }

    void okWritesAndCloses()
    {
        open("");
        auto* ok = m_picker->findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_form1.txtWeek, std::string("06/15/2009"));
        QVERIFY(!m_picker->isVisible());
        QCOMPARE(m_picker->result(), int(QDialog::Accepted));
    }

    void aYearTypedInTheHeaderIsWrittenAtOnceAndKept()
    {
        open("3/9/2009");
        auto* year = calendar()->findChild<QSpinBox*>();
        QVERIFY(year);
        year->show();
        year->setFocus();
        year->selectAll();
        QTest::keyClicks(year, QStringLiteral("2011"));
        QTest::keyClick(year, Qt::Key_Return);
        QVERIFY(m_picker->isVisible()); // Enter in the year box does not close the picker
        QCOMPARE(m_form1.txtWeek, std::string("03/09/2011"));
        // The header's month arrows move the date too: 31 March to the last of April.
        calendar()->setSelectedDate(QDate(2011, 3, 31));
        calendar()->showNextMonth();
        QCOMPARE(m_form1.txtWeek, std::string("04/30/2011"));
        QTest::mouseClick(m_picker->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(m_form1.txtWeek, std::string("04/30/2011"));
    }

    void enterOnADayPicksItAndCloses()
    {
        open("3/9/2009");
        days()->setFocus();
        QTest::keyClick(days(), Qt::Key_Left);
        QTest::keyClick(days(), Qt::Key_Return);
        QCOMPARE(m_form1.txtWeek, std::string("03/08/2009"));
        QVERIFY(!m_picker->isVisible());
    }
};

TALLYRIN_FORMS_TEST(frmDateMainTest);

} // namespace tallyrin

#include "frmDateMainTest.moc"
