#include "forms/frmTaxInfo.h"

#include "session/Workspace.h"
#include "platform/Named.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <string>
#include <tuple>

namespace tallyrin {

namespace {

QStringList counts()
{
    QStringList items;
    for (int i = 0; i <= 9; ++i)
        items << QString::number(i);
    return items;
}

const QStringList statuses{QStringLiteral("Single"), QStringLiteral("Married")};

QLabel* unit(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

frmTaxInfo::frmTaxInfo(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("frmTaxInfo"));
    setWindowTitle(QStringLiteral("User Info"));
    setModal(true);
    TaxInfoScreen& s = m_ws.taxInfo;

    auto* outer = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(8);
    columns->addLayout(right);

    // Pay rates.
    auto* rates = named<QGroupBox>(this, "frameRates");
    auto* ratesGrid = new QGridLayout(rates);
    const std::array<std::tuple<const char*, const char*, std::string*>, 3> rateRows{{
        {"txtHourRate", "Hourly Rate 1", &s.txtHourRate},
        {"txtHourRate2", "Hourly Rate 2", &s.txtHourRate2},
        {"txtTipsRate", "Tips Rate", &s.txtTipsRate},
    }};
    for (int row = 0; row < 3; ++row) {
        const auto& [name, caption, field] = rateRows[static_cast<size_t>(row)];
        QLineEdit* box = textBox(name, *field, true);
        auto* label = new QLabel(QString::fromLatin1(caption), rates);
        label->setBuddy(box);
        ratesGrid->addWidget(label, row, 0);
        ratesGrid->addWidget(box, row, 1);
    }
    ratesGrid->setColumnStretch(0, 1);
    left->addWidget(rates);

    // Allowances and filing status, federal on the first row and state on the second.
    auto* statusRow = new QHBoxLayout;
    auto* exemptions = named<QGroupBox>(this, "frameExemptions", QStringLiteral("Exemptions"));
    auto* status = named<QGroupBox>(this, "frameStatus", QStringLiteral("Status"));
    auto* exemptionsGrid = new QGridLayout(exemptions);
    auto* statusGrid = new QGridLayout(status);
    QComboBox* cboDepend = comboBox("cboDepend", counts(), s.cboDepend);
    cboDepend->setToolTip(QStringLiteral("Set Exemptions"));
    QComboBox* cboStatus = comboBox("cboStatus", statuses, s.cboStatus);
    cboStatus->setToolTip(QStringLiteral("Set Status"));
    QComboBox* cboDepend2 = comboBox("cboDepend2", counts(), s.cboDepend2);
    QComboBox* cboStatus2 = comboBox("cboStatus2", statuses, s.cboStatus2);
    exemptionsGrid->addWidget(new QLabel(QStringLiteral("Federal"), exemptions), 0, 0);
    exemptionsGrid->addWidget(cboDepend, 0, 1);
    exemptionsGrid->addWidget(new QLabel(QStringLiteral("State"), exemptions), 1, 0);
    exemptionsGrid->addWidget(cboDepend2, 1, 1);
    statusGrid->addWidget(cboStatus, 0, 0);
    statusGrid->addWidget(cboStatus2, 1, 0);
    for (QComboBox* combo : {cboDepend, cboDepend2})
        combo->setMinimumWidth(combo->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 48);
    statusRow->addWidget(exemptions, 1);
    statusRow->addWidget(status, 1);
    left->addLayout(statusRow);

    // Federal extras and exemptions.
    auto* federal = named<QGroupBox>(this, "frameFederal");
    auto* federalLayout = new QVBoxLayout(federal);
    auto* addlCaption = new QLabel(QStringLiteral("Additional Federal Withholdings"), federal);
    auto* addlRow = new QHBoxLayout;
    QLineEdit* txtFedAddL = textBox("txtFedAddL", s.txtFedAddL, true);
    addlCaption->setBuddy(txtFedAddL);
    addlRow->addWidget(addlCaption, 1);
    addlRow->addWidget(unit("$", federal));
    addlRow->addWidget(txtFedAddL);
    federalLayout->addLayout(addlRow);
    federalLayout->addWidget(checkBox("ckFedExemp", QStringLiteral("Federal Tax Exempt"), s.ckFedExemp));
    federalLayout->addWidget(
        checkBox("ckSSMediExemp", QStringLiteral("Soc. Sec.  Medicare Tax Exempt"), s.ckSSMediExemp));
    federalLayout->addWidget(checkBox("ckSelfEmp", QStringLiteral("Self Employed"), s.ckSelfEmp));
    federalLayout->addWidget(checkBox("ckNonCity", QStringLiteral("NON-CITY Resident"), s.ckNonCity));
    left->addWidget(federal);

    // Pay frequency.
    auto* frequency = named<QGroupBox>(this, "frameFrequency");
    auto* frequencyLayout = new QHBoxLayout(frequency);
    auto* optWeek = named<QRadioButton>(frequency, "optWeek", QStringLiteral("Weekly"));
    auto* optBiWeek = named<QRadioButton>(frequency, "optBiWeek", QStringLiteral("Bi-Weekly"));
    auto* frequencyGroup = new QButtonGroup(frequency);
    frequencyGroup->addButton(optWeek);
    frequencyGroup->addButton(optBiWeek);
    frequencyLayout->addWidget(optWeek);
    frequencyLayout->addWidget(optBiWeek);
    frequencyLayout->addStretch(1);
    left->addWidget(frequency);
    left->addStretch(1);

    // Deductions: the operator names five of them; pension is a percent, the others dollars.
    auto* deductions = named<QGroupBox>(this, "frameDeductions");
    auto* deductionsGrid = new QGridLayout(deductions);
    const std::array<std::tuple<const char*, const char*, std::string*>, 5> deductionRows{{
        {"txtMuni", "$", &s.txtMuni},
        {"txtBond", "$", &s.txtBond},
        {"txtDues", "$", &s.txtDues},
        {"txtPension", "%", &s.txtPension},
        {"txtMisc", "$", &s.txtMisc},
    }};
    for (int row = 0; row < 5; ++row) {
        const auto& [name, unitText, field] = deductionRows[static_cast<size_t>(row)];
        const std::string labelName = "txtTax" + std::to_string(row + 5);
        deductionsGrid->addWidget(textBox(labelName.c_str(), s.txtTax[static_cast<size_t>(row)], false), row, 0);
        deductionsGrid->addWidget(unit(unitText, deductions), row, 1);
        deductionsGrid->addWidget(textBox(name, *field, true), row, 2);
    }
    auto* kplanCaption = new QLabel(QStringLiteral("K Plan"), deductions);
    QLineEdit* txtKplan = textBox("txtKplan", s.txtKplan, true);
    kplanCaption->setBuddy(txtKplan);
    // Percent and dollars exclude each other: checking one clears the other.
    QCheckBox* ckKpPer = checkBox("ckKpPer", QStringLiteral("%"), s.ckKpPer);
    QCheckBox* ckKpFix = checkBox("ckKpFix", QStringLiteral("$"), s.ckKpFix);
    connect(ckKpPer, &QCheckBox::clicked, this, [this] { kPlanClicked(true); });
    connect(ckKpFix, &QCheckBox::clicked, this, [this] { kPlanClicked(false); });
    auto* kplanModes = new QHBoxLayout;
    kplanModes->addWidget(ckKpPer);
    kplanModes->addWidget(ckKpFix);
    kplanModes->addStretch(1);
    deductionsGrid->addWidget(kplanCaption, 5, 0);
    deductionsGrid->addWidget(txtKplan, 5, 2);
    deductionsGrid->addLayout(kplanModes, 5, 3);

    auto* cafeCaption = new QLabel(QStringLiteral("Cafeteria Plan"), deductions);
    QLineEdit* txtCafe = textBox("txtCafe", s.txtCafe, true);
    cafeCaption->setBuddy(txtCafe);
    deductionsGrid->addWidget(cafeCaption, 6, 0);
    deductionsGrid->addWidget(unit("$", deductions), 6, 1);
    deductionsGrid->addWidget(txtCafe, 6, 2);
    deductionsGrid->addWidget(checkBox("ckCafeState", QStringLiteral("Deduct State"), s.ckCafeState), 6, 3);
    deductionsGrid->setColumnStretch(3, 1);
    right->addWidget(deductions);

    // Name and address printed on the check.
    auto* check = named<QGroupBox>(this, "frameCheck");
    auto* checkLayout = new QVBoxLayout(check);
    checkLayout->addWidget(textBox("txtName", s.txtName, false));
    checkLayout->addWidget(textBox("txtAddress", s.txtAddress, false));
    checkLayout->addWidget(textBox("txtStateCityZip", s.txtStateCityZip, false));
    checkLayout->addWidget(textBox("txtSSnum", s.txtSSnum, false));
    right->addWidget(check);
    right->addStretch(1);

    outer->addLayout(buttonsRow(this, {{"cmdOk", QStringLiteral("Save"), [this] { cmdOk_Click(); }},
                                       {"Command1", QStringLiteral("Close"), [this] { Command1_Click(); }}}));

    m_binding->check(optWeek, s.optWeek);
    m_binding->check(optBiWeek, s.optBiWeek);
    showScreen();
}

QLineEdit* frmTaxInfo::textBox(const char* name, std::string& field, bool numeric)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    if (numeric) {
        makeNumericBox(box);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 16);
    }
    m_binding->text(box, field);
    return box;
}

QCheckBox* frmTaxInfo::checkBox(const char* name, const QString& caption, bool& field)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    m_binding->check(box, field);
    return box;
}

QComboBox* frmTaxInfo::comboBox(const char* name, const QStringList& items, std::string& field)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    // The operator chooses from the list only; a value from a file that is not in the list stays
    // in the profile untouched and is shown greyed in the closed box.
    combo->addItems(items);
    m_binding->choice(combo, field);
    return combo;
}

void frmTaxInfo::kPlanClicked(bool percent)
{
    TaxInfoScreen& s = m_ws.taxInfo;
    if (percent)
        s.ckKpPer_Click();
    else
        s.ckKpFix_Click();
    showScreen();
}

void frmTaxInfo::load()
{
    m_ws.showTaxInfo();
    showScreen();
}

void frmTaxInfo::showScreen() { m_binding->show(); }

void frmTaxInfo::cmdOk_Click()
{
    m_ws.taxInfo_cmdOk();
    accept();
}

void frmTaxInfo::Command1_Click() { reject(); }

} // namespace tallyrin
