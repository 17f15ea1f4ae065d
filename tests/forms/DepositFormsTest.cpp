// Direct deposit from the screens: the employee's account refused with its problems, saved, then
// removed with "Pay by Check"; and the Payday Run's deposit file, written as the golden file,
// then refused with the reason told and the rows still paid.
#include "forms/DialogDeposit.h"
#include "forms/frmPayday.h"
#include "screens/frmPaydayScreen.h"

#include "forms/FormsTestRegistry.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QSet>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace tallyrin {

namespace fs = std::filesystem;

class DepositFormsTest : public QObject
{
    Q_OBJECT

    static void copyPayroll(TempFolder& folder)
    {
        fs::copy(fs::path(GOLDEN_DIR) / "ach" / "files" / "work", folder.path(), fs::copy_options::recursive);
        for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
            fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, folder / table);
    }

private slots:
    void theAccountIsRefusedSavedAndRemoved()
    {
        TempFolder folder;
        copyPayroll(folder);
        ScriptedDialogs op;
        DialogDeposit screen(folder.path(), "Bailey", op);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const auto box = [&](const char* name) { return screen.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        QCOMPARE(box("txtRouting")->text(), QString()); // no account yet
        box("txtRouting")->setText(QStringLiteral("011000016"));
        box("txtAccount")->setText(QStringLiteral("12/34"));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(op.messages().size(), size_t(1));
        QVERIFY(op.messages()[0].find("011000016 has a wrong check digit") != std::string::npos);
        QVERIFY(op.messages()[0].find("\"12/34\" holds characters") != std::string::npos);
        QVERIFY(!fs::exists(folder / "Bailey.dd"));

        box("txtRouting")->setText(QStringLiteral("011000015"));
        box("txtAccount")->setText(QStringLiteral("55-0123"));
        screen.findChild<QComboBox*>(QStringLiteral("cboKind"))->setCurrentIndex(1);
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(fileBytes(folder / "Bailey.dd"), std::string("\"011000015\",\"55-0123\",\"SAVINGS\"\r\n"));

        DialogDeposit again(folder.path(), "Bailey", op);
        QCOMPARE(again.shown(), (DepositAccount{"011000015", "55-0123", kSavings}));
        op.yesNoAnswers = {true};
        again.cmdPayByCheck_Click();
        QVERIFY(!fs::exists(folder / "Bailey.dd"));
    }

    void thePaydayWritesTheDepositFileThenSaysWhyNot()
    {
        TempFolder folder;
        copyPayroll(folder);
        const std::string sheet = (folder / "hours.csv").string();
        std::ofstream(sheet) << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x\n"
                                "Smith,40,,2,,,,,,0\nBailey,80,,,,,,,,0\nLee,40,,,,,,,,0\n";
        const fs::path ach = folder / "Deposit.ach";
        for (bool refused : {false, true}) {
            ScriptedDialogs op;
            op.fileAnswers = {sheet};
            frmPaydayScreen screen(op, folder.path(), [] { return CalendarDate{2009, 1, 9}; });
            frmPayday form(screen, nullptr);
            std::string proposed;
            screen.chooseSaveFile = [&](const std::string& offered) -> std::optional<std::string> {
                proposed = offered;
                return ach.string();
            };
            // The window is driven from the keyboard: no two buttons share an Alt letter.
            QSet<QChar> letters;
            for (QPushButton* b : form.findChildren<QPushButton*>()) {
                const qsizetype at = b->text().indexOf(QLatin1Char('&'));
                QVERIFY2(at >= 0 && !letters.contains(b->text().at(at + 1).toLower()), qPrintable(b->text()));
                letters.insert(b->text().at(at + 1).toLower());
            }
            QTest::mouseClick(form.findChild<QPushButton*>("cmdChoose"), Qt::LeftButton);
            QTest::mouseClick(form.findChild<QPushButton*>("cmdDepositFile"), Qt::LeftButton);
            QCOMPARE(screen.lbDepositFile, ach.string());
            QCOMPARE(proposed, (folder / "Deposit-01092009.ach").string());
            QTest::mouseClick(form.findChild<QPushButton*>("cmdRun"), Qt::LeftButton);
            QVERIFY(screen.lbTotals.find("3 paid") != std::string::npos);
            if (!refused) {
                QCOMPARE(fileBytes(ach), fileBytes(fs::path(GOLDEN_DIR) / "ach" / "payday.ach"));
                QVERIFY(screen.lbTotals.find("2 deposits, $652.04 for 01/09/2009") != std::string::npos);
                QVERIFY(op.messages().empty());
                fs::remove(ach);
                // The company ID goes: the next run is refused, and says why.
                std::ofstream(folder / "Employer.sav", std::ios::binary)
                    << "\"12-3456789\",\"Acme Tool Co\",\"\",\"\",\"\",\"\"\r\n\"\",\"\",\"\",\"\",\"\"\r\n"
                       "\"\",\"011000015\",\"First Bank\"\r\n\"R\"\r\n";
            } else {
                QVERIFY(!fs::exists(ach));
                QVERIFY(screen.lbTotals.find("NOT written") != std::string::npos);
                QCOMPARE(op.messages().size(), size_t(1));
                QVERIFY(op.messages()[0].find("no company ID") != std::string::npos);
            }
        }
    }

    // A deposit file that cannot be written is refused when it is chosen, before anyone is paid.
    void aTargetThatCannotBeWrittenIsRefusedWhenChosen()
    {
        TempFolder folder;
        ScriptedDialogs op;
        frmPaydayScreen screen(op, folder.path(), [] { return CalendarDate{2009, 1, 9}; });
        fs::create_directory(folder / "Deposit.ach");
        screen.chooseSaveFile = [&](const std::string&) -> std::optional<std::string> {
            return (folder / "Deposit.ach").string();
        };
        screen.cmdDepositFile_Click();
        QVERIFY(screen.lbDepositFile.empty());
        QCOMPARE(op.messages().size(), size_t(1));
        QVERIFY(op.messages()[0].find("it is a folder") != std::string::npos);
    }
};

TALLYRIN_FORMS_TEST(DepositFormsTest);

} // namespace tallyrin

#include "DepositFormsTest.moc"
