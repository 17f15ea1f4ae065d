// The About screen names the program and shows the build's three-part version.
#include "forms/frmAboutSpcl.h"

#include "TallyrinVersion.h"
#include "forms/FormsTestRegistry.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace tallyrin {

class frmAboutSpclTest : public QObject
{
    Q_OBJECT

private slots:
    void showsNameAndVersionAndClosesOnOk()
    {
        frmAboutSpcl about;
        QVERIFY(about.isModal());
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Tallyrin 2009"));
        const QString version = about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(version).hasMatch(),
                 qPrintable(version));
        QCOMPARE(version, QStringLiteral("Version " TALLYRIN_VERSION));

        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

TALLYRIN_FORMS_TEST(frmAboutSpclTest);

} // namespace tallyrin

#include "frmAboutSpclTest.moc"
