// The main form's shell commands reach their screens: New and the save screen, the closing
// question, the ledger frame, the state, city and non-city screens, the date picker and About.
#include "TallyrinVersion.h"
#include "forms/DialogCity.h"
#include "forms/DialogNonCity.h"
#include "forms/DialogState.h"
#include "forms/Form1.h"
#include "forms/FormsFixture.h"
#include "forms/FormsTestRegistry.h"
#include "forms/MDIForm1.h"
#include "forms/ModalDialogs.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace tallyrin {

using testing::FormsWorkspace;
using testing::onNextModal;

class Form1ShellTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWorkspace> m_w;
    std::unique_ptr<Form1> m_form;

    Workspace& ws() { return *m_w->ws; }
    ScriptedDialogs& dialogs() { return m_w->dialogs; }
    void trigger(const char* item) { m_form->findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    QString label(const char* name) { return m_form->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    bool exists(const std::string& name) { return std::filesystem::exists(m_w->folder / name); }

private slots:
    void init()
    {
        m_w = std::make_unique<FormsWorkspace>(CalendarDate{2009, 3, 7});
        m_form = std::make_unique<Form1>(ws());
        ws().startUp();
        m_form->showScreen();
        m_form->show();
    }

    void cleanup()
    {
        m_form.reset();
        m_w.reset();
    }

    void newEmployeeShowsItsNameAndWritesItsFiles()
    {
        dialogs().yesNoAnswers.push_back(false);
        dialogs().inputAnswers.push_back("Smith");
        trigger("mnuNew");
        QCOMPARE(m_form->windowTitle(), QStringLiteral("  User:  Smith"));
        QCOMPARE(label("lbUser"), QStringLiteral("Smith"));
        QVERIFY(exists("Smith.use"));
        QVERIFY(exists("Smith.sta"));
        QVERIFY(exists("Smith.cti"));
    }

    void saveScreenSavesUnderTheTypedName()
    {
        onNextModal([](QWidget* w) {
            auto* name = w->findChild<QLineEdit*>(QStringLiteral("txtSaveUser"));
            QVERIFY(name);
            name->clear();
            QTest::keyClicks(name, QStringLiteral("Jones"));
            w->findChild<QPushButton*>(QStringLiteral("cmdSaveUser"))->click();
        });
        trigger("mnuSave");
        QVERIFY(exists("Jones.use"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Jones"));
        QCOMPARE(label("lbUser"), QStringLiteral("Jones"));
    }

    void closingAsksToSaveAndNoWritesNothing()
    {
        dialogs().yesNoAnswers.push_back(false);
        m_form->close();
        QCOMPARE(dialogs().log.back().text, std::string("     SAVE USER'S SETTINGS?"));
        QCOMPARE(dialogs().log.back().title, std::string("Save?"));
        QVERIFY(!m_form->isVisible());
        QVERIFY(!exists(".use"));
    }

    void yearToDateOpensTheLedgerFrame()
    {
        trigger("mnuYear");
        QVERIFY(m_form->ledgerFrame());
        QVERIFY(m_form->ledgerFrame()->isVisible());
        QCOMPARE(m_form->ledgerFrame()->windowTitle(), QStringLiteral("Year To Date"));
        // A save closes it, as every save does.
        onNextModal([](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("cmdEnd"))->click(); });
        trigger("mnuSave");
        QVERIFY(!m_form->ledgerFrame()->isVisible());
    }

    // Printer Offset opened from Check Printing is owned by it, so it stays above the check form.
    void printerOffsetStaysAboveTheCheckForm()
    {
        trigger("mnuChecks");
        auto* checks = m_form->findChild<QWidget*>(QStringLiteral("frmChecks"));
        QVERIFY(checks && checks->isVisible());
        checks->findChild<QAction*>(QStringLiteral("mnuPrintCheck"))->trigger();
        auto* offsets = m_form->findChild<QWidget*>(QStringLiteral("dlgPrintSet"));
        QVERIFY(offsets && offsets->isVisible());
        QCOMPARE(offsets->parentWidget(), checks);
        QVERIFY(offsets->isWindow());
    }

    void taxScreensOpenFilledWithTheirPresets()
    {
        trigger("mnuState");
        QVERIFY(m_form->stateDialog()->isVisible());
        QVERIFY(ws().stateScreen.isOpen());
        QCOMPARE(m_form->stateDialog()->findChild<QLineEdit*>(QStringLiteral("txtStateMinBS_1"))->text(),
                 QStringLiteral("308"));
        trigger("mnuCity");
        QVERIFY(m_form->cityDialog()->isVisible());
        QCOMPARE(m_form->cityDialog()->findChild<QLineEdit*>(QStringLiteral("txtCityMinBS_1"))->text(),
                 QStringLiteral("308"));
        trigger("mnuNonCity");
        QVERIFY(m_form->nonCityDialog()->isVisible());
    }

    void clickOnTheDateOpensThePicker()
    {
        bool opened = false;
        onNextModal([&](QWidget* w) {
            opened = w->findChild<QWidget*>(QStringLiteral("DTPicker1")) != nullptr;
            w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        QTest::mouseClick(m_form->findChild<QLineEdit*>(QStringLiteral("txtWeek")), Qt::LeftButton);
        QVERIFY(opened);
        QCOMPARE(m_form->findChild<QLineEdit*>(QStringLiteral("txtWeek"))->text(), QStringLiteral("03/07/2009"));
    }

    void aboutShowsTheVersion()
    {
        QString text;
        onNextModal([&](QWidget* w) {
            for (QLabel* l : w->findChildren<QLabel*>())
                text += l->text() + QLatin1Char('\n');
            static_cast<QDialog*>(w)->accept();
        });
        trigger("mnuAboutItem");
        QVERIFY2(text.contains(QStringLiteral("Tallyrin 2009")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral(TALLYRIN_VERSION)), qPrintable(text));
    }
};

TALLYRIN_FORMS_TEST(Form1ShellTest);

} // namespace tallyrin

#include "Form1ShellTest.moc"
