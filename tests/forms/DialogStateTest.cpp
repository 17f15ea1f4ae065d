// The state settings form: its boxes show the screen model, typing reaches it, the buttons run
// its operations.
#include "forms/DialogState.h"

#include "forms/FormsTestRegistry.h"
#include "state/BuiltInStates.h"
#include "support/RecordingStateLinks.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <QFile>

#include <filesystem>
#include <memory>

namespace tallyrin {

class DialogStateTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<EmployeeFiles> m_files;
    StateSettings m_settings;
    EmployeeProfile m_profile;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    RecordingLinks m_links;
    std::unique_ptr<DialogStateScreen> m_screen;
    std::unique_ptr<DialogState> m_form;

    template <typename T> T* find(const char* name)
    {
        T* widget = m_form->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    // A check box takes a click on its indicator; the rest of a stretched box is empty space.
    void tick(const char* name)
    {
        QCheckBox* box = find<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    // Typing into a box the way the operator does: the focus selects its text first.
    QLineEdit* type(const char* name, const QString& text)
    {
        QLineEdit* box = find<QLineEdit>(name);
        box->setFocus();
        if (!QTest::qWaitFor([box] { return box->selectedText() == box->text(); }, 1000))
            qWarning("%s did not select its text on focus", name);
        QTest::keyClicks(box, text);
        return box;
    }

    // Every named label, box and check box: text, check state, and whether it is greyed or hidden.
    QString dump()
    {
        QStringList lines;
        for (QWidget* w : m_form->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.isEmpty())
                continue;
            QString state = w->isEnabled() ? QString() : QStringLiteral(" disabled");
            if (!w->isVisibleTo(m_form.get()))
                state += QStringLiteral(" hidden");
            if (auto* l = qobject_cast<QLabel*>(w))
                lines << QStringLiteral("%1 \"%2\"%3").arg(name, l->text(), state);
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                lines << QStringLiteral("%1 \"%2\"%3").arg(name, e->text(), state);
            else if (auto* c = qobject_cast<QCheckBox*>(w))
                lines << QStringLiteral("%1 %2%3").arg(name, c->isChecked() ? "checked" : "unchecked", state);
        }
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }

    // Compares with tests/golden/state/<name>.txt; TALLYRIN_UPDATE_GOLDEN=1 writes it instead.
    void compareGolden(const QString& name, const QString& actual)
    {
        QFile file(QStringLiteral(GOLDEN_DIR "/state/%1.txt").arg(name));
        if (qEnvironmentVariableIsSet("TALLYRIN_UPDATE_GOLDEN")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.toUtf8());
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QCOMPARE(actual, QString::fromUtf8(file.readAll()));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_settings = {};
        m_profile = {};
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_files = std::make_unique<EmployeeFiles>(m_folder->path(), "Smith");
        m_screen = std::make_unique<DialogStateScreen>(m_settings, m_profile, *m_dialogs, *m_files, m_links);
        m_screen->open();
        m_form = std::make_unique<DialogState>(*m_screen);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
        m_screen.reset();
    }

    void opensWithTheBlanksFilled()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Biweekly State Tax"));
        QCOMPARE(find<QLineEdit>("txtStateMinBS_1")->text(), QStringLiteral("308"));
        QCOMPARE(find<QLineEdit>("txtStatePerBM_0")->text(), QStringLiteral("0.04"));
        QCOMPARE(find<QLineEdit>("txtStateMinBM_9")->text(), QStringLiteral("999999"));
        QCOMPARE(find<QLineEdit>("txtStateSgExp_9")->text(), QStringLiteral("614.8"));
        QCOMPARE(find<QLineEdit>("txtStateMarExp_0")->text(), QStringLiteral("287.5"));
        QCOMPARE(find<QLineEdit>("txtSUIwageBase")->text(), QStringLiteral("0"));
        QCOMPARE(find<QLabel>("Label26")->text(), QStringLiteral("Flat Rate"));
        QCOMPARE(find<QLabel>("Label27_9")->text(), QStringLiteral("9"));
        QVERIFY(!find<QCheckBox>("ckSpouse")->isVisible());
        for (const char* name :
             {"ckAriz", "ckLouis", "ckIowa", "ckMissouri", "ckMass", "ckOregon", "ckUtah", "ckAlabama", "ckKentucky",
              "ckWiscon", "ckNC", "ckNoStateTax", "ckRoundOff", "ckSDI", "ckSUI"})
            QVERIFY(!find<QCheckBox>(name)->isChecked());
    }

    void tabRunsDownEachColumn()
    {
        const auto next = [this](const char* from) {
            QLineEdit* box = find<QLineEdit>(from);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Tab);
            return QApplication::focusWidget()->objectName();
        };
        QCOMPARE(next("txtStateMinBS_0"), QStringLiteral("txtStateMinBS_1"));
        QCOMPARE(next("txtStateMinBS_9"), QStringLiteral("txtStateAmtBS_0"));
        QCOMPARE(next("txtStatePerBS_9"), QStringLiteral("txtStateMinBM_0"));
        QCOMPARE(next("txtStateSgExp_9"), QStringLiteral("txtStateMarExp_0"));
    }

    void nonNumberKeepsTheScreenOpen()
    {
        QLineEdit* box = type("txtStatePerBS_3", QStringLiteral("1a-2"));
        QCOMPARE(box->text(), QStringLiteral("1-2")); // the letter never gets in
        QCOMPARE(QString::fromStdString(m_screen->txtStatePerBS[3]), QStringLiteral("1-2"));

        QTest::mouseClick(find<QPushButton>("OKButton"), Qt::LeftButton);
        QCOMPARE(m_dialogs->messages(), std::vector<std::string>{"You have entered a NON numerial."});
        QVERIFY(m_form->isVisible());
        QCOMPARE(box->text(), QStringLiteral("1-2"));
        QVERIFY(!std::filesystem::exists(*m_folder / "Smith.sta"));
    }

    void saveWritesWhatWasTyped()
    {
        type("txtStateAdj", QStringLiteral("2.5"));
        tick("ckRoundOff");
        QTest::mouseClick(find<QPushButton>("OKButton"), Qt::LeftButton);
        QVERIFY(m_dialogs->messages().empty());
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_settings.StateAdj, 2.5f);
        QCOMPARE(m_settings.RoundState, int16_t(1));
        QVERIFY(std::filesystem::exists(*m_folder / "Smith.sta"));
    }

    void buttonsAndCheckBoxesRunTheScreen()
    {
        QTest::mouseClick(find<QPushButton>("cmdClearAll"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("txtStateMinBS_0")->text(), QStringLiteral("999999"));
        QTest::mouseClick(find<QPushButton>("cmdDefault"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("txtStateMinBS_0")->text(), QStringLiteral("0"));
        QCOMPARE(find<QLabel>("Label14")->text(), QStringLiteral("Single"));

        QLineEdit* percent = type("txtSDIpercent", QStringLiteral("1.1"));
        tick("ckSDI");
        QCOMPARE(find<QLabel>("Label26")->text(), QStringLiteral("Wage Base"));
        QCOMPARE(percent->text(), QStringLiteral("1.1"));
        tick("ckSDI");
        QCOMPARE(find<QLabel>("Label26")->text(), QStringLiteral("Flat Rate"));
        QCOMPARE(find<QLineEdit>("txtSDIpercent")->text(), QStringLiteral("0"));

        tick("ckNoStateTax");
        QCOMPARE(find<QLineEdit>("txtStateMinBM_0")->text(), QStringLiteral("999999"));
        QCOMPARE(find<QLineEdit>("txtStateSgExp_0")->text(), QStringLiteral("0"));
    }

    // Each state's preset on a fresh screen of a weekly, then a bi-weekly, Single employee,
    // pressed with the mouse.
    void eachPresetMatchesItsGoldenDump()
    {
        for (const bool biWeekly : {false, true}) {
            m_profile.Weekly = !biWeekly;
            m_profile.BiWeekly = biWeekly;
            for (const BuiltInState& st : builtInStates()) {
                m_screen->close();
                m_screen->open();
                m_form->showScreen();
                tick(st.checkBoxName);
                compareGolden(QString::fromLatin1(st.checkBoxName) + (biWeekly ? "-biweekly" : ""), dump());
            }
        }
    }

    void stateBoxesAreExclusive()
    {
        tick("ckAriz");
        tick("ckIowa");
        QVERIFY(find<QCheckBox>("ckIowa")->isChecked());
        QVERIFY(!find<QCheckBox>("ckAriz")->isChecked());
        QVERIFY(find<QCheckBox>("ckRoundOff")->isChecked()); // Iowa's preset
        QVERIFY(!find<QLabel>("Label19")->isVisible());
        tick("ckNoStateTax");
        QVERIFY(!find<QCheckBox>("ckIowa")->isChecked());
        tick("ckKentucky");
        QVERIFY(!find<QCheckBox>("ckNoStateTax")->isChecked());
        QVERIFY(find<QLabel>("Label19")->isVisible());
        tick("ckKentucky"); // a checked box reloads its preset and unchecks
        QVERIFY(!find<QCheckBox>("ckKentucky")->isChecked());
        QCOMPARE(find<QLineEdit>("txtStateMinBS_0")->text(), QStringLiteral("57.69"));
    }

    void noStateTaxUncheckedShowsTheStoredTable()
    {
        type("txtStateMinBS_1", QStringLiteral("400"));
        tick("ckNoStateTax");
        QCOMPARE(find<QLineEdit>("txtStateMinBS_1")->text(), QStringLiteral("999999"));
        tick("ckNoStateTax");
        QCOMPARE(find<QLineEdit>("txtStateMinBS_1")->text(), QStringLiteral("308"));
    }

    void spouseWorksRerunsMissouri()
    {
        m_profile.StateStatus = "Married";
        QVERIFY(!find<QCheckBox>("ckSpouse")->isVisible());
        tick("ckMissouri");
        QVERIFY(find<QCheckBox>("ckSpouse")->isVisible());
        QVERIFY(!find<QLineEdit>("txtStateMinBS_0")->isEnabled());
        QVERIFY(!find<QLabel>("Label2")->isEnabled());
        QCOMPARE(find<QLineEdit>("txtStateSgExp_4")->text(), QStringLiteral("219.23"));
        tick("ckSpouse");
        QCOMPARE(find<QLineEdit>("txtStateSgExp_4")->text(), QStringLiteral("109.62"));
        // Utah shows the box as well, cleared by its preset; Oregon hides it.
        tick("ckUtah");
        QVERIFY(find<QCheckBox>("ckSpouse")->isVisible());
        QVERIFY(!find<QCheckBox>("ckSpouse")->isChecked());
        QVERIFY(find<QLabel>("Label2")->isEnabled());
        tick("ckOregon");
        QVERIFY(!find<QCheckBox>("ckSpouse")->isVisible());
    }

    // Reopened for a Missouri employee, the screen shows "Spouse Works" as it was saved.
    void spouseWorksShowsWhenReopenedForMissouri()
    {
        m_profile.StateStatus = "Married";
        tick("ckMissouri");
        tick("ckSpouse");
        QVERIFY(m_screen->OKButton_Click());
        m_form.reset();
        m_screen->open();
        m_form = std::make_unique<DialogState>(*m_screen);
        m_form->show();
        QVERIFY(m_screen->ckMissouri);
        QVERIFY(find<QCheckBox>("ckSpouse")->isVisible());
        QVERIFY(find<QCheckBox>("ckSpouse")->isChecked());
    }

    void cancelDropsTheEdits()
    {
        const float before = m_settings.StateMinBS[1];
        type("txtStateMinBS_1", QStringLiteral("400"));
        QTest::mouseClick(find<QPushButton>("CancelButton"), Qt::LeftButton);
        QVERIFY(!m_form->isVisible());
        QVERIFY(!m_screen->isOpen());
        QCOMPARE(m_settings.StateMinBS[1], before);
    }
};

TALLYRIN_FORMS_TEST(DialogStateTest);

} // namespace tallyrin

#include "DialogStateTest.moc"
