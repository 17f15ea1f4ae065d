// The non-city resident form's binding: opening shows the defaults where the boxes are empty,
// "&DEFAULT" and "&SAVE" act through the screen model, and "&CANCEL" only hides it.
#include "forms/DialogNonCity.h"

#include "forms/FormsTestRegistry.h"
#include "screens/DialogNonCityScreen.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

namespace tallyrin {

class DialogNonCityTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<EmployeeFiles> m_files;
    NonCitySettings m_settings;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<DialogNonCityScreen> m_screen;
    std::unique_ptr<DialogNonCity> m_form;

    QLineEdit* box(const QString& name) { return m_form->findChild<QLineEdit*>(name); }
    void click(const char* name) { QTest::mouseClick(m_form->findChild<QPushButton*>(name), Qt::LeftButton); }
    void showForm()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void retype(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_files = std::make_unique<EmployeeFiles>(m_folder->path(), "Smith");
        m_settings = NonCitySettings{};
        m_dialogs.log.clear();
        m_screen = std::make_unique<DialogNonCityScreen>(m_settings, m_dialogs, *m_files);
        m_form = std::make_unique<DialogNonCity>(*m_screen, m_dialogs);
    }

    void cleanup()
    {
        m_form.reset();
        m_screen.reset();
        m_folder.reset();
    }

    void captionsAndControls()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("NON City Resident"));
        for (const char* name : {"txtNonMinBi", "txtNonExpBi", "txtNonMinWk", "txtNonExpWk"})
            for (int row = 0; row < 8; ++row)
                QVERIFY(box(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row)));
        QVERIFY(box("txtNonPer"));
        QCOMPARE(m_form->findChild<QPushButton*>("cmdDefault")->text(), QStringLiteral("&DEFAULT"));
        QCOMPARE(m_form->findChild<QPushButton*>("OKButton")->text(), QStringLiteral("&SAVE"));
        QCOMPARE(m_form->findChild<QPushButton*>("CancelButton")->text(), QStringLiteral("&CANCEL"));
    }

    void openingWithoutAFileFillsOnlyTheEmptyBoxes()
    {
        showForm();
        QCOMPARE(box("txtNonMinBi_2")->text(), QStringLiteral("385"));
        QCOMPARE(box("txtNonExpWk_1")->text(), QStringLiteral("58"));
        QCOMPARE(box("txtNonPer")->text(), QStringLiteral("0.0045"));

        retype(box("txtNonExpBi_2"), QStringLiteral("80"));
        retype(box("txtNonPer"), QString());
        QCOMPARE(m_screen->txtNonExpBi[2], std::string("80"));
        click("OKButton");
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_settings.NonExpBi[2], 80.0f);
        QCOMPARE(m_settings.NonPer, 0.0045f);
        QVERIFY(std::filesystem::exists(m_folder->path() / "Smith.nci"));
    }

    void cancelHidesAndKeepsTheEdits()
    {
        showForm();
        retype(box("txtNonPer"), QStringLiteral("0.01"));
        click("CancelButton");
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_settings.NonPer, 0.0045f);

        showForm();
        QCOMPARE(box("txtNonPer")->text(), QStringLiteral("0.01"));
        click("cmdDefault");
        QCOMPARE(box("txtNonPer")->text(), QStringLiteral("0.0045"));
        QVERIFY(!std::filesystem::exists(m_folder->path() / "Smith.nci"));
    }
};

TALLYRIN_FORMS_TEST(DialogNonCityTest);

} // namespace tallyrin

#include "DialogNonCityTest.moc"
