// The year's end from the screens: the W-2 name of one employee from the staff window, and the
// year report's W-2 file, refused with every problem named, then written.
#include "forms/DialogW2Name.h"
#include "forms/frmReport.h"

#include "forms/FormsTestRegistry.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tallyrin {

class YearEndFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void w2NameStartsFromTheRuleRefusesBadPartsAndSaves()
    {
        TempFolder folder;
        copyStaff(folder);
        ScriptedDialogs op;
        DialogW2Name screen(folder.path(), "Smith", op);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const auto box = [&](const char* name) { return screen.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        QCOMPARE(box("txtFirst")->text(), QString()); // the profile's unfilled name cannot be split
        box("txtFirst")->setText(QStringLiteral("Sam"));
        box("txtSuffix")->setText(QStringLiteral("Esq"));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(op.messages().size(), size_t(1));
        QVERIFY(op.messages()[0].find("last name is empty") != std::string::npos);
        QVERIFY(op.messages()[0].find("suffix \"ESQ\"") != std::string::npos);
        QVERIFY(!std::filesystem::exists(folder / "Smith.w2n"));

        box("txtLast")->setText(QStringLiteral("Poe"));
        box("txtSuffix")->setText(QStringLiteral("jr"));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        QCOMPARE(fileBytes(folder / "Smith.w2n"), std::string("\"SAM\",\"\",\"POE\",\"JR\"\r\n\"\",\"\",\"\",\"\"\r\n"));
    }

    void w2FileNamesEveryProblemThenIsWritten()
    {
        TempFolder folder;
        copyStaff(folder);
        ScriptedDialogs op;
        frmReport report(folder.path(), true, op, nullptr, {});
        const std::filesystem::path target = folder / "W2REPORT.txt";
        report.chooseSaveFile = [&](const std::filesystem::path&) { return target; };
        report.findChild<QPushButton*>(QStringLiteral("cmdW2File"))->click();
        QCOMPARE(op.messages().size(), size_t(1));
        QVERIFY(op.messages()[0].find("Employer.sav") != std::string::npos);
        QVERIFY(op.messages()[0].find("Smith: the social security number") != std::string::npos);
        QVERIFY(!std::filesystem::exists(target));

        // Each employee given a W-2 name and an SSN, the employer given its facts: the file is written.
        for (const char* user : {"Smith", "Bailey", "Lee"}) {
            writeBytes(folder / (std::string(user) + ".w2n"),
                       "\"ANN\",\"\",\"" + std::string(user) + "\",\"\"\r\n\"\",\"\",\"\",\"\"\r\n");
            std::string profile = fileBytes(folder / (std::string(user) + ".and"));
            profile.replace(profile.find("Soc Sec #"), 9, "123-45-6789");
            writeBytes(folder / (std::string(user) + ".and"), profile);
        }
        writeBytes(folder / "Employer.sav", "\"12-3456789\",\"Acme\",\"1 Main\",\"Springfield\",\"IL\",\"62701\"\r\n"
                                            "\"\",\"ACME1234\",\"Pat\",\"2175550100\",\"\"\r\n\"\",\"\",\"\"\r\n\"R\"\r\n");
        op.yesNoAnswers.push_back(true); // to any warnings: go on
        report.findChild<QPushButton*>(QStringLiteral("cmdW2File"))->click();
        QVERIFY(std::filesystem::exists(target));
        QVERIFY(op.messages().back().find("was written") != std::string::npos);
        const std::string file = fileBytes(target);
        QCOMPARE(file.substr(0, 11), std::string("RA123456789"));
        QCOMPARE(file.size() % 514, size_t(0));
    }

private:
    static void copyStaff(const TempFolder& folder)
    {
        std::filesystem::copy(std::filesystem::path(GOLDEN_DIR) / "cli" / "report-year-json" / "files" / "work",
                              folder.path(), std::filesystem::copy_options::recursive);
    }
};

TALLYRIN_FORMS_TEST(YearEndFormsTest);

} // namespace tallyrin

#include "YearEndFormsTest.moc"
