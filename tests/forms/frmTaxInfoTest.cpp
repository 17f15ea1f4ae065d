// The profile screen's binding: it shows the screen model, typing and clicks reach it, Save
// applies through the workspace and Close drops the edits.
#include "forms/frmTaxInfo.h"

#include "forms/FormsFixture.h"
#include "forms/FormsTestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace tallyrin {

using testing::FormsWorkspace;

class frmTaxInfoTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormsWorkspace> m_w;
    std::unique_ptr<frmTaxInfo> m_screen;

    Workspace& ws() { return *m_w->ws; }
    template <typename T> T* child(const QString& name)
    {
        T* found = m_screen->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(QString::fromLatin1(name)); }
    void retype(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        m_w = std::make_unique<FormsWorkspace>();
        m_screen = std::make_unique<frmTaxInfo>(ws());
        m_screen->show();
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_w.reset();
    }

    void controlsCarryTheirCaptions()
    {
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("User Info"));
        const std::pair<const char*, const char*> checks[] = {{"ckFedExemp", "Federal Tax Exempt"},
                                                              {"ckSSMediExemp", "Soc. Sec.  Medicare Tax Exempt"},
                                                              {"ckKpPer", "%"},
                                                              {"ckKpFix", "$"},
                                                              {"ckCafeState", "Deduct State"},
                                                              {"ckSelfEmp", "Self Employed"},
                                                              {"ckNonCity", "NON-CITY Resident"}};
        for (const auto& [name, caption] : checks)
            QCOMPARE(child<QCheckBox>(QString::fromLatin1(name))->text(), QString::fromLatin1(caption));
        QCOMPARE(child<QRadioButton>("optWeek")->text(), QStringLiteral("Weekly"));
        QCOMPARE(child<QRadioButton>("optBiWeek")->text(), QStringLiteral("Bi-Weekly"));
        QCOMPARE(child<QPushButton>("cmdOk")->text(), QStringLiteral("Save"));
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("Close"));

        const QStringList counts{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        const QStringList statuses{"Single", "Married"};
        const std::tuple<const char*, QStringList, const char*> combos[] = {{"cboDepend", counts, "Set Exemptions"},
                                                                            {"cboStatus", statuses, "Set Status"},
                                                                            {"cboDepend2", counts, ""},
                                                                            {"cboStatus2", statuses, ""}};
        for (const auto& [name, items, hint] : combos) {
            auto* combo = child<QComboBox>(QString::fromLatin1(name));
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            QCOMPARE(shown, items);
            QCOMPARE(combo->toolTip(), QString::fromLatin1(hint));
            QVERIFY(!combo->isEditable()); // chosen from the list only
        }
    }

    void loadShowsTheProfile()
    {
        ws().profile.HourRate = 12.5f;
        ws().profile.FedStatus = "Married";
        ws().profile.DeductLabel[0] = "Union";
        ws().profile.KPlanPercent = 0;
        ws().profile.KPlanFixed = 1;
        ws().profile.Weekly = false;
        ws().profile.BiWeekly = true;
        m_screen->load();
        QCOMPARE(box("txtHourRate")->text(), QString::fromStdString(ws().taxInfo.txtHourRate));
        QCOMPARE(box("txtHourRate")->text(), QStringLiteral("12.5"));
        QCOMPARE(box("txtTax5")->text(), QStringLiteral("Union"));
        QCOMPARE(box("txtName")->text(), QStringLiteral("Employee's Name"));
        QCOMPARE(child<QComboBox>("cboStatus")->currentText(), QStringLiteral("Married"));
        QVERIFY(!child<QCheckBox>("ckKpPer")->isChecked());
        QVERIFY(child<QCheckBox>("ckKpFix")->isChecked());
        QVERIFY(child<QRadioButton>("optBiWeek")->isChecked());
        QVERIFY(!child<QRadioButton>("optWeek")->isChecked());
    }

    void typingReachesTheModel()
    {
        m_screen->load();
        retype(box("txtHourRate"), QStringLiteral("1x5.25"));
        QCOMPARE(ws().taxInfo.txtHourRate, std::string("15.25"));
        retype(box("txtTax7"), QStringLiteral("Union Dues"));
        QCOMPARE(ws().taxInfo.txtTax[2], std::string("Union Dues"));
        retype(box("txtName"), QStringLiteral("Pat Smith"));
        QCOMPARE(ws().taxInfo.txtName, std::string("Pat Smith"));

        auto* status = child<QComboBox>("cboStatus2");
        status->setCurrentIndex(status->findText(QStringLiteral("Married")));
        QCOMPARE(ws().taxInfo.cboStatus2, std::string("Married"));
        auto* depend = child<QComboBox>("cboDepend");
        depend->setFocus();
        QTest::keyClicks(depend, QStringLiteral("3"));
        QCOMPARE(ws().taxInfo.cboDepend, std::string("3"));
        // The drop-downs choose from their lists only: typed text is no value of its own.
        QVERIFY(!depend->isEditable() && !status->isEditable());
        QTest::keyClicks(status, QStringLiteral("Divorced"));
        QVERIFY(ws().taxInfo.cboStatus2 == "Married" || ws().taxInfo.cboStatus2 == "Single");

        testing::clickIndicator(child<QCheckBox>("ckSelfEmp"));
        QVERIFY(ws().taxInfo.ckSelfEmp);
        testing::clickIndicator(child<QCheckBox>("ckSSMediExemp"));
        QVERIFY(ws().taxInfo.ckSSMediExemp);
        testing::clickIndicator(child<QRadioButton>("optBiWeek"));
        QVERIFY(ws().taxInfo.optBiWeek);
        QVERIFY(!ws().taxInfo.optWeek);
    }

    void aValueOutsideTheListIsKeptFromTheFile()
    {
        ws().profile.FedStatus = "Divorced";
        m_screen->load();
        auto* status = child<QComboBox>("cboStatus");
        QCOMPARE(status->currentIndex(), -1);
        QCOMPARE(status->placeholderText(), QStringLiteral("Divorced"));
        QCOMPARE(ws().taxInfo.cboStatus, std::string("Divorced"));
    }

    void numericBoxesFilterKeys()
    {
        const char* numeric[] = {"txtHourRate", "txtHourRate2", "txtTipsRate", "txtFedAddL", "txtPension", "txtMuni",
                                 "txtBond",     "txtDues",      "txtMisc",     "txtKplan",   "txtCafe"};
        for (const char* name : numeric) {
            retype(box(name), QStringLiteral("1a2.5"));
            QVERIFY2(box(name)->text() == QStringLiteral("12.5"), name);
        }
        retype(box("txtSSnum"), QStringLiteral("123-45-6789 x"));
        QCOMPARE(box("txtSSnum")->text(), QStringLiteral("123-45-6789 x"));
    }

    void kPlanBoxesAreExclusive()
    {
        m_screen->load();
        auto* percent = child<QCheckBox>("ckKpPer");
        auto* fixed = child<QCheckBox>("ckKpFix");
        QVERIFY(percent->isChecked());
        testing::clickIndicator(fixed);
        QVERIFY(fixed->isChecked());
        QVERIFY(!percent->isChecked());
        QVERIFY(ws().taxInfo.ckKpFix && !ws().taxInfo.ckKpPer);
        testing::clickIndicator(percent);
        QVERIFY(percent->isChecked());
        QVERIFY(!fixed->isChecked());
        QVERIFY(ws().taxInfo.ckKpPer && !ws().taxInfo.ckKpFix);
        // Unchecking leaves both unchecked.
        testing::clickIndicator(percent);
        QVERIFY(!percent->isChecked() && !fixed->isChecked());
        QVERIFY(!ws().taxInfo.ckKpPer && !ws().taxInfo.ckKpFix);
    }

    void saveAppliesThroughTheWorkspace()
    {
        m_w->dialogs.yesNoAnswers.push_back(false);
        m_w->dialogs.inputAnswers.push_back("Smith");
        ws().mnuNew_Click(); // an employee to save
        m_screen->load();
        retype(box("txtHourRate"), QStringLiteral("15"));
        retype(box("txtTax5"), QStringLiteral("Union"));
        QTest::mouseClick(child<QPushButton>("cmdOk"), Qt::LeftButton);
        QCOMPARE(m_screen->result(), int(QDialog::Accepted));
        QVERIFY(!m_screen->isVisible());
        QCOMPARE(ws().profile.HourRate, 15.0f);
        QCOMPARE(ws().profile.DeductLabel[0], std::string("Union"));
        QCOMPARE(ws().form1.lbTaxTag[5], std::string("Union"));
        QVERIFY(std::filesystem::exists(ws().fileFor(".use")));
    }

    void closeDropsTheEdits()
    {
        m_screen->load();
        retype(box("txtHourRate"), QStringLiteral("99"));
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(m_screen->result(), int(QDialog::Rejected));
        QVERIFY(!m_screen->isVisible());
        QCOMPARE(ws().profile.HourRate, 7.5f);
    }
};

TALLYRIN_FORMS_TEST(frmTaxInfoTest);

} // namespace tallyrin

#include "frmTaxInfoTest.moc"
