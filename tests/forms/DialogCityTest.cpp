// The city tax form's binding: opening shows the preset where the boxes are empty, typing reaches
// the screen model, "NO LOCAL TAX" and the buttons act through it.
#include "forms/DialogCity.h"

#include "forms/FormsTestRegistry.h"
#include "local/LocalFiles.h"
#include "screens/DialogCityScreen.h"
#include "local/LocalPresets.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

namespace tallyrin {

class DialogCityTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<EmployeeFiles> m_files;
    CitySettings m_settings;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<DialogCityScreen> m_screen;
    std::unique_ptr<DialogCity> m_form;

    QLineEdit* box(const char* name, int row)
    {
        return m_form->findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row));
    }
    void click(const char* name) { QTest::mouseClick(m_form->findChild<QPushButton*>(name), Qt::LeftButton); }
    void retype(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void showForm()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_files = std::make_unique<EmployeeFiles>(m_folder->path(), "Smith");
        m_settings = CitySettings{};
        m_dialogs.log.clear();
        m_screen = std::make_unique<DialogCityScreen>(m_settings, m_dialogs, *m_files);
        m_form = std::make_unique<DialogCity>(*m_screen, m_dialogs);
    }

    void cleanup()
    {
        m_form.reset();
        m_screen.reset();
        m_folder.reset();
    }

    void captionsAndControls()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("City (Local) Tax Tables"));
        for (const char* name : {"txtCityMinBS", "txtCityAmtBS", "txtCityPerBS", "txtCityMinBM", "txtCityAmtBM",
                                 "txtCityPerBM", "txtCitySgExp", "txtCityMarExp"})
            for (int row = 0; row < 10; ++row)
                QVERIFY2(box(name, row), name);
        QCOMPARE(m_form->findChild<QCheckBox*>("ckNoLocalTax")->text(), QStringLiteral("NO LOCAL TAX"));
        QCOMPARE(m_form->findChild<QPushButton*>("cmdDefault")->text(), QStringLiteral("&New York"));
        QCOMPARE(m_form->findChild<QPushButton*>("cmdClearMe")->text(), QStringLiteral("CLEAR ALL"));
        QCOMPARE(m_form->findChild<QPushButton*>("OKButton")->text(), QStringLiteral("&SAVE"));
        QCOMPARE(m_form->findChild<QPushButton*>("CancelButton")->text(), QStringLiteral("&CANCEL"));
    }

    void openingWithoutAFileFillsOnlyTheEmptyBoxes()
    {
        showForm();
        QCOMPARE(box("txtCityMinBS", 1)->text(), QStringLiteral("308"));
        QCOMPARE(box("txtCityPerBM", 0)->text(), QStringLiteral("0.019"));
        QCOMPARE(box("txtCitySgExp", 2)->text(), QStringLiteral("269.3"));
        QCOMPARE(box("txtCityMinBM", 9)->text(), QStringLiteral("999999"));

        // Emptied boxes take the preset again on "&SAVE"; a typed box keeps its text.
        retype(box("txtCityAmtBS", 3), QStringLiteral("15"));
        retype(box("txtCityMarExp", 4), QString());
        QCOMPARE(m_screen->txtCityAmtBS[3], std::string("15"));
        QCOMPARE(m_screen->txtCityMarExp[4], std::string());
        click("OKButton");
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_settings.CityAmtBS[3], 15.0f);
        QCOMPARE(m_settings.CityMarExp[4], 365.5f);
        QVERIFY(std::filesystem::exists(m_folder->path() / "Smith.cti"));
    }

    void noLocalTaxCheckedThenUnchecked()
    {
        showForm();
        auto* check = m_form->findChild<QCheckBox*>("ckNoLocalTax");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        QVERIFY(check->isChecked());
        QCOMPARE(m_settings.NoLocalTax, int16_t(1));
        QCOMPARE(box("txtCityMinBS", 1)->text(), QStringLiteral("999999"));
        QCOMPARE(box("txtCityPerBS", 0)->text(), QStringLiteral("0"));
        QCOMPARE(box("txtCitySgExp", 2)->text(), QStringLiteral("0"));

        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        QVERIFY(!check->isChecked());
        QCOMPARE(m_settings.NoLocalTax, int16_t(0));
        QCOMPARE(box("txtCityMinBS", 1)->text(), QStringLiteral("308"));
        QCOMPARE(box("txtCitySgExp", 2)->text(), QStringLiteral("269.3"));
    }

    void buttonsActThroughTheScreen()
    {
        showForm();
        click("cmdClearMe");
        QCOMPARE(box("txtCityMinBM", 0)->text(), QStringLiteral("999999"));
        QCOMPARE(box("txtCityAmtBM", 1)->text(), QStringLiteral("0"));
        click("cmdDefault");
        QCOMPARE(box("txtCityAmtBM", 1)->text(), QStringLiteral("5.85"));

        // The key filter lets "1-2" through; "&SAVE" refuses it and the screen stays open.
        retype(box("txtCityPerBS", 2), QStringLiteral("1-2"));
        click("OKButton");
        QVERIFY(m_form->isVisible());
        QCOMPARE(box("txtCityPerBS", 2)->text(), QStringLiteral("1-2"));
        QCOMPARE(m_dialogs.messages().size(), size_t(1));
        QCOMPARE(m_dialogs.messages()[0], std::string("You have entered a NON numerial."));

        click("CancelButton");
        QVERIFY(!m_form->isVisible());
        QVERIFY(!m_screen->loaded());
        QVERIFY(!std::filesystem::exists(m_folder->path() / "Smith.cti"));
    }
};

TALLYRIN_FORMS_TEST(DialogCityTest);

} // namespace tallyrin

#include "DialogCityTest.moc"
