// The main pay form's binding: entries reach the screen model, ADD and CLEAR call the workspace
// and the labels show what it computed; the entry keys; the menus.
#include "forms/Form1.h"

#include "forms/FormsFixture.h"
#include "forms/FormsTestRegistry.h"
#include "forms/ModalDialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tallyrin {

using testing::FormsWorkspace;

namespace {

QString amountName(int i) { return QStringLiteral("txtAmount_%1").arg(i); }

// Every result label with the screen-model text it shows.
std::vector<std::pair<QString, const std::string*>> resultLabels(const Form1Screen& f)
{
    std::vector<std::pair<QString, const std::string*>> labels{
        {"Label13", &f.Label13}, {"lbTaxes", &f.lbTaxes}, {"lbDeduct", &f.lbDeduct},
        {"lbNet", &f.lbNet},     {"lbOverT", &f.lbOverT}, {"lbTips", &f.lbTips},
        {"lbSDI", &f.lbSDI},     {"lbSUI", &f.lbSUI},     {"lbCafe", &f.lbCafe}};
    for (size_t i = 0; i < f.lbTaxDed.size(); ++i)
        labels.emplace_back(QStringLiteral("lbTaxDed_%1").arg(i), &f.lbTaxDed[i]);
    return labels;
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWorkspace> m_w;
    std::unique_ptr<Form1> m_form;

    Workspace& ws() { return *m_w->ws; }
    QLineEdit* amount(int i) { return m_form->findChild<QLineEdit*>(amountName(i)); }
    QString label(const QString& name) { return m_form->findChild<QLabel*>(name)->text(); }
    template <typename T> T* child(const char* name)
    {
        T* found = m_form->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

private slots:
    void init()
    {
        m_w = std::make_unique<FormsWorkspace>(CalendarDate{2009, 3, 7});
        m_form = std::make_unique<Form1>(ws());
        ws().startUp();
        m_form->showScreen();
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
        m_w.reset();
    }

    void startUpShowsTheScreen()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("QUENVORO SOFTWARE"));
        QCOMPARE(child<QLineEdit>("txtWeek")->text(), QStringLiteral("03/07/2009"));
        QCOMPARE(child<QLineEdit>("txtWeek")->maxLength(), 10);
        QCOMPARE(child<QLineEdit>("txtWeek")->toolTip(), QStringLiteral("Click for Date change"));
        QCOMPARE(label("lbUser"), QStringLiteral("USER"));
        QVERIFY(!label("lbTaxVer").isEmpty());
        QCOMPARE(label("lbTaxVer"), QString::fromStdString(ws().form1.lbTaxVer));
        QCOMPARE(label("lbTableNotice"), QStringLiteral("Weekly Tax Tables"));
        for (size_t k = 0; k < ws().form1.lbTaxTag.size(); ++k)
            QCOMPARE(label(QStringLiteral("lbTaxTag_%1").arg(k)), QString::fromStdString(ws().form1.lbTaxTag[k]));
        QCOMPARE(label("lbTaxTag_12"), QStringLiteral("GROSS PAY"));
        QCOMPARE(label("lbTaxTag_13"), QStringLiteral("NET PAY"));
        for (const auto& [name, text] : resultLabels(ws().form1))
            QCOMPARE(label(name), QString());
    }

    void entryKeysAreFilteredAndReachTheModel()
    {
        amount(0)->setFocus();
        QTest::keyClicks(amount(0), QStringLiteral("4a0"));
        QCOMPARE(amount(0)->text(), QStringLiteral("40"));
        QCOMPARE(ws().form1.txtAmount[0], std::string("40"));

        QTest::keyClicks(amount(6), QStringLiteral("-1 2.5$"));
        QCOMPARE(ws().form1.txtAmount[6], std::string("-1 2.5"));

        QApplication::clipboard()->setText(QStringLiteral("1a2"));
        amount(3)->paste();
        QCOMPARE(amount(3)->text(), QStringLiteral("12"));
        QCOMPARE(ws().form1.txtAmount[3], std::string("12"));
    }

    void enterUpAndDownMoveBetweenEntries()
    {
        amount(0)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), amount((i + 1) % 8)); // the last wraps to the first
        }
        QTest::keyClick(amount(0), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), amount(0)); // nothing above the first
        QTest::keyClick(amount(0), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), amount(1));
        amount(7)->setFocus();
        QTest::keyClick(amount(7), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), amount(7)); // nothing below the last
        QTest::keyClick(amount(7), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), amount(6));
        QTest::keyClick(amount(6), Qt::Key_Enter); // the keypad's Enter too
        QCOMPARE(QApplication::focusWidget(), amount(7));
    }

    void movingIntoAnEntrySelectsItsText()
    {
        amount(1)->setText(QStringLiteral("8"));
        amount(0)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
        QTest::keyClick(amount(0), Qt::Key_Return);
        QTRY_COMPARE(amount(1)->selectedText(), QStringLiteral("8"));
        QTest::keyClicks(amount(1), QStringLiteral("9"));
        QCOMPARE(amount(1)->text(), QStringLiteral("9"));
    }

    void optionsReachTheModel()
    {
        QVERIFY(child<QRadioButton>("opt1x")->isChecked());
        testing::clickIndicator(child<QRadioButton>("opt2x"));
        QVERIFY(!ws().form1.opt1x);
        testing::clickIndicator(child<QRadioButton>("opt1x"));
        QVERIFY(ws().form1.opt1x);
        testing::clickIndicator(child<QCheckBox>("ckFedJan"));
        QVERIFY(ws().form1.ckFedJan);
    }

    void addShowsTheResults()
    {
        QTest::keyClicks(amount(0), QStringLiteral("40"));
        QTest::mouseClick(child<QPushButton>("cmdCal"), Qt::LeftButton);
        // Rate 1 of a blank employee is 7.50.
        QCOMPARE(label("Label13"), QStringLiteral("$300.00"));
        QVERIFY(!label("lbNet").isEmpty());
        for (const auto& [name, text] : resultLabels(ws().form1))
            QCOMPARE(label(name), QString::fromStdString(*text));
        // Entries holding 0 are blank again; the typed one stays.
        QCOMPARE(amount(0)->text(), QStringLiteral("40"));
        QCOMPARE(amount(1)->text(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
        QVERIFY(m_w->dialogs.log.empty()); // no warning on the way
    }

    // An entry that is not a number is refused before anything is calculated, as typed: one
    // message for the first such entry, which gets the keyboard with its text selected.
    void addRefusesAnEntryThatIsNotANumber()
    {
        QTest::keyClicks(amount(0), QStringLiteral("40"));
        QTest::keyClicks(amount(2), QStringLiteral("4-5"));
        QTest::keyClicks(amount(5), QStringLiteral("1 2"));
        QTest::mouseClick(child<QPushButton>("cmdCal"), Qt::LeftButton);
        QCOMPARE(m_w->dialogs.messages(), (std::vector<std::string>{"You have entered a NON numerial."}));
        QCOMPARE(amount(2)->text(), QStringLiteral("4-5"));
        QCOMPARE(label("lbNet"), QString());
        QTRY_COMPARE(QApplication::focusWidget(), amount(2));
        QCOMPARE(amount(2)->selectedText(), QStringLiteral("4-5"));
    }

    // A field of spaces looks empty and is 0, as an empty field is; spaces around a number stay.
    void addTakesAFieldOfSpacesAsEmpty()
    {
        QTest::keyClicks(amount(0), QStringLiteral(" 40 "));
        QTest::keyClicks(amount(1), QStringLiteral(" "));
        QTest::keyClicks(amount(7), QStringLiteral("   "));
        QTest::mouseClick(child<QPushButton>("cmdCal"), Qt::LeftButton);
        QVERIFY(m_w->dialogs.messages().empty());
        QCOMPARE(label("Label13"), QStringLiteral("$300.00"));
        QCOMPARE(amount(1)->text(), QString());
        QCOMPARE(amount(7)->text(), QString());
    }

    void addAndClearByKeyReturnToTheFirstEntry()
    {
        auto* add = child<QPushButton>("cmdCal");
        auto* clear = child<QPushButton>("cmdClear");
        QVERIFY(add->toolTip().contains(QStringLiteral("F5")));
        QVERIFY(clear->toolTip().contains(QStringLiteral("F6")));
        QTest::keyClicks(amount(0), QStringLiteral("40"));
        amount(3)->setFocus();
        QTest::keyClick(amount(3), Qt::Key_F5);
        QTRY_COMPARE(label("Label13"), QStringLiteral("$300.00")); // a shortcut animates the click
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
        // The focused button pressed with the space bar.
        clear->setFocus();
        QTest::keyClick(clear, Qt::Key_Space);
        QCOMPARE(label("Label13"), QString());
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
        QTest::keyClicks(amount(0), QStringLiteral("40"));
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Return);
        QCOMPARE(label("Label13"), QStringLiteral("$300.00"));
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
        QTest::keyClick(amount(0), Qt::Key_F6);
        QTRY_COMPARE(label("Label13"), QString());
        QTRY_COMPARE(QApplication::focusWidget(), amount(0));
    }

    void clearBlanksTheLabelsAndEntries()
    {
        QTest::keyClicks(amount(0), QStringLiteral("40"));
        QTest::mouseClick(child<QPushButton>("cmdCal"), Qt::LeftButton);
        QVERIFY(!label("lbNet").isEmpty());
        child<QLineEdit>("txtWeek")->setText(QStringLiteral("12/31/2009"));
        QTest::mouseClick(child<QPushButton>("cmdClear"), Qt::LeftButton);
        for (const auto& [name, text] : resultLabels(ws().form1))
            QCOMPARE(label(name), QString());
        for (int i = 0; i < 8; ++i)
            QCOMPARE(amount(i)->text(), QString());
        QCOMPARE(child<QLineEdit>("txtWeek")->text(), QStringLiteral("03/07/2009"));

        // The menu's Clear does the same.
        QTest::keyClicks(amount(0), QStringLiteral("40"));
        QTest::mouseClick(child<QPushButton>("cmdCal"), Qt::LeftButton);
        child<QAction>("mnuClearIitem")->trigger();
        QCOMPARE(label("Label13"), QString());
        QCOMPARE(amount(0)->text(), QString());
    }

    void menusCarryEveryItem()
    {
        struct Item
        {
            const char* menu;
            const char* name;
        };
        const Item items[] = {
            {"File", "mnuNew"},
            {"File", "mnuOpen"},
            {"File", "mnuSave"},
            {"File", "mnuChecks"},
            {"File", "mnuPrintSheetItem"},
            {"File", "mnuPrintItem"},
            {"File", "mnuClearIitem"},
            {"File", "mnuExitItem"},
            {"Forms", "mnuVac"},
            {"Forms", "mnuOtItem"},
            {"Forms", "mnuYear"},
            {"Options", "mnuHeader"},
            {"Options", "mnuTaxInfoItem"},
            {"Options", "mnuState"},
            {"Options", "mnuCity"},
            {"Options", "mnuNonCity"},
            {"File", "mnuEmployees"},
            {"Reports", "mnuQuarter"},
            {"Reports", "mnuYearEnd"},
            {"Help", "mnuHelpItem"},
            {"Help", "mnuAboutItem"},
            {"Options", "mnuDeposit"},
            {"Options", "mnuEmployer"},
            {"File", "mnuPayday"},
            {"File", "mnuBackup"},
            {"File", "mnuRestore"},
        };
        QStringList titles;
        for (QAction* a : m_form->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "For&ms", "&Options", "&Reports", "&Help"}));
        // Every top menu has its own Alt letter.
        QSet<QChar> letters;
        for (const QString& t : titles) {
            const qsizetype at = t.indexOf(QLatin1Char('&'));
            QVERIFY2(at >= 0 && at + 1 < t.size(), qPrintable(t));
            letters.insert(t.at(at + 1).toLower());
        }
        QCOMPARE(letters.size(), titles.size());
        QCOMPARE(m_form->findChild<QAction*>(QStringLiteral("mnuEmployees"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_E));
        // The shortcut works from the entries and the date box, where the keyboard sits after
        // start-up, ADD and CLEAR (a text box would take Ctrl+E for itself).
        {
            QSignalSpy employees(m_form->findChild<QAction*>(QStringLiteral("mnuEmployees")), &QAction::triggered);
            for (int field : {0, 5}) {
                QString opened;
                testing::onNextModal([&](QWidget* dialog) {
                    opened = dialog->windowTitle();
                    dialog->close();
                });
                QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(m_form.get()));
                amount(field)->setFocus();
                QTest::keyClick(amount(field), Qt::Key_E, Qt::ControlModifier);
                QTRY_VERIFY2(opened == QStringLiteral("Employees"), qPrintable(QString::number(field)));
            }
            QCOMPARE(employees.count(), 2);
        }
        for (const Item& item : items) {
            QAction* action = m_form->findChild<QAction*>(QString::fromLatin1(item.name));
            QVERIFY2(action && action->isEnabled(), item.name);
            bool inMenu = false;
            for (QAction* top : m_form->menuBar()->actions())
                if (QString(top->text()).remove(QLatin1Char('&')) == QLatin1String(item.menu) &&
                    top->menu()->actions().contains(action))
                    inMenu = true;
            QVERIFY2(inMenu, item.name);
        }
        // Within each menu no two items share an Alt letter.
        for (QAction* top : m_form->menuBar()->actions()) {
            QSet<QChar> used;
            for (QAction* a : top->menu()->actions()) {
                const qsizetype at = a->text().indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= a->text().size())
                    continue;
                const QChar letter = a->text().at(at + 1).toLower();
                QVERIFY2(!used.contains(letter), qPrintable(a->text()));
                used.insert(letter);
            }
        }
    }

    // Print Image and the overtime form's Print propose names of their own: the period date.
    void printImageIsNamedAfterThePeriod()
    {
        ws().form1.txtWeek = "1/9/2009";
        m_w->dialogs.printerAnswers = {false, false};
        child<QAction>("mnuPrintItem")->trigger();
        QCOMPARE(m_w->dialogs.log.back().kind, std::string("printer"));
        QCOMPARE(m_w->dialogs.log.back().text, std::string("1_9_2009 screen"));
        m_form->cmdOT_Click();
        auto* overtime = m_form->findChild<QWidget*>(QStringLiteral("Form2"));
        QVERIFY(overtime);
        auto* print = overtime->findChild<QPushButton*>(QStringLiteral("cmdPrint"));
        QVERIFY(print);
        print->click();
        QCOMPARE(QString::fromStdString(m_w->dialogs.log.back().text), QStringLiteral("1_9_2009 overtime"));
    }

    void userInfoOpensModalAndSaveUpdatesCaptions()
    {
        QString title;
        bool modal = false;
        testing::onNextModal([&](QWidget* w) {
            title = w->windowTitle();
            modal = w->isModal() && w->objectName() == QStringLiteral("frmTaxInfo");
            auto* txtTax5 = w->findChild<QLineEdit*>(QStringLiteral("txtTax5"));
            txtTax5->selectAll();
            QTest::keyClicks(txtTax5, QStringLiteral("Credit U"));
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        child<QAction>("mnuTaxInfoItem")->trigger();
        QCOMPARE(title, QStringLiteral("User Info"));
        QVERIFY(modal);
        QCOMPARE(label("lbTaxTag_5"), QStringLiteral("Credit U"));
    }
};

TALLYRIN_FORMS_TEST(Form1Test);

} // namespace tallyrin

#include "Form1Test.moc"
