// Options > Employer...: a new folder starts from the company header; facts a filing would refuse
// are named in one message and nothing is saved; right facts are saved.
#include "forms/DialogEmployer.h"

#include "employee/CompanyHeader.h"
#include "forms/FormsTestRegistry.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace tallyrin {

class DialogEmployerTest : public QObject
{
    Q_OBJECT

private slots:
    void startsFromTheHeaderRefusesBadFactsAndSaves()
    {
        TempFolder folder;
        writeHeader(folder);
        ScriptedDialogs op;
        DialogEmployer screen(folder.path(), op);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const auto box = [&](const char* name) { return screen.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        QCOMPARE(box("txtName")->text(), QStringLiteral("Acme Payroll, Inc."));
        QCOMPARE(box("txtCity")->text(), QStringLiteral("Springfield"));
        QCOMPARE(box("txtState")->text(), QStringLiteral("IL"));
        QCOMPARE(box("txtEin")->text(), QStringLiteral("123456789"));
        QCOMPARE(box("txtKind")->text(), QStringLiteral("R"));

        box("txtBankRouting")->setText(QStringLiteral("071000014"));
        box("txtUserId")->setText(QStringLiteral("SHORT"));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(op.messages().size(), size_t(1));
        QVERIFY(op.messages()[0].find("SSA User ID") != std::string::npos);
        QVERIFY(op.messages()[0].find("routing number") != std::string::npos);
        QVERIFY(screen.isVisible());
        QVERIFY(!std::filesystem::exists(folder / "Employer.sav"));

        box("txtBankRouting")->setText(QStringLiteral("071000013"));
        box("txtUserId")->setText(QStringLiteral("AB12CD34"));
        QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(!screen.isVisible());
        EmployerFacts saved;
        QCOMPARE(LoadEmployer(folder.path(), saved).kind, FileOutcome::Kind::Done);
        QCOMPARE(saved.BankRouting, std::string("071000013"));
        QCOMPARE(saved.Name, std::string("Acme Payroll, Inc."));
    }

private:
    static void writeHeader(const TempFolder& folder)
    {
        QVERIFY(!SaveHeader(folder.path(), CompanyHeader{"Acme Payroll, Inc.", "1 Main St", "Springfield, IL 62701",
                                                         "12-3456789"})
                     .failed());
    }
};

TALLYRIN_FORMS_TEST(DialogEmployerTest);

} // namespace tallyrin

#include "DialogEmployerTest.moc"
