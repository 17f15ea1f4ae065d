#include "forms/DialogCity.h"
#include "platform/Named.h"

#include "screens/DialogCityScreen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {

namespace {

QLabel* heading(const char* text, QWidget* parent) { return centredLabel(QString::fromLatin1(text), parent); }

QLabel* biweekly(QWidget* parent) { return centredLabel(QStringLiteral("BIWEEKLY"), parent, true); }

// A bracket table: "BIWEEKLY" over its three column headings; rows start at grid row 2.
QGroupBox* tableBox(const char* name, const char* title, QWidget* parent, QGridLayout*& grid)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    grid = new QGridLayout(box);
    grid->addWidget(biweekly(box), 0, 0, 1, 3);
    grid->addWidget(heading("Minimum Range", box), 1, 0);
    grid->addWidget(heading("Amount to Withhold", box), 1, 1);
    grid->addWidget(heading("Multiply by Percentage in Decimal", box), 1, 2);
    return box;
}

} // namespace

DialogCity::DialogCity(DialogCityScreen& screen, Operator& op, QWidget* parent)
    : LocalTaxDialog(screen, op, parent, "DialogCity", "City (Local) Tax Tables")
{
    QVBoxLayout* outer = m_outer;
    QHBoxLayout* tables = m_tables;

    QGridLayout* single = nullptr;
    tables->addWidget(tableBox("frameSingle", "Table for SINGLE Persons", this, single));
    addColumn(single, 0, "txtCityMinBS", m_screen.txtCityMinBS);
    addColumn(single, 1, "txtCityAmtBS", m_screen.txtCityAmtBS);
    addColumn(single, 2, "txtCityPerBS", m_screen.txtCityPerBS);

    QGridLayout* married = nullptr;
    tables->addWidget(tableBox("frameMarried", "Table for MARRIED Persons", this, married));
    addColumn(married, 0, "txtCityMinBM", m_screen.txtCityMinBM);
    addColumn(married, 1, "txtCityAmtBM", m_screen.txtCityAmtBM);
    addColumn(married, 2, "txtCityPerBM", m_screen.txtCityPerBM);

    auto* allowances = named<QGroupBox>(this, "frameAllowance", QStringLiteral("Withholding Allowance"));
    auto* allowanceGrid = new QGridLayout(allowances);
    allowanceGrid->addWidget(biweekly(allowances), 0, 0, 1, 3);
    allowanceGrid->addWidget(heading("# of Exemp", allowances), 1, 0);
    allowanceGrid->addWidget(heading("SINGLE", allowances), 1, 1);
    allowanceGrid->addWidget(heading("MARRIED", allowances), 1, 2);
    for (int row = 0; row < 10; ++row)
        allowanceGrid->addWidget(heading(std::to_string(row).c_str(), allowances), row + 2, 0);
    addColumn(allowanceGrid, 1, "txtCitySgExp", m_screen.txtCitySgExp);
    addColumn(allowanceGrid, 2, "txtCityMarExp", m_screen.txtCityMarExp);
    tables->addWidget(allowances);

    auto* notes = new QHBoxLayout;
    outer->addLayout(notes);
    notes->addWidget(centredLabel(QStringLiteral("WARNING!"), this, true));
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Enter 999999 in any Minimum Range Box that is not used."), this));
    auto* weekly = new QLabel(QStringLiteral("When you enter the above biweekly info, the weekly tables will be "
                                             "configured for half the amount including the exemptions."),
                              this);
    weekly->setWordWrap(true);
    texts->addWidget(weekly);
    notes->addLayout(texts, 1);

    QHBoxLayout* buttons = buttonRow({
        {"cmdDefault", QStringLiteral("&New York"), [this] { click(&DialogCityScreen::cmdDefault_Click); }},
        {"cmdClearMe", QStringLiteral("CLEAR ALL"), [this] { click(&DialogCityScreen::cmdClearMe_Click); }},
    });
    outer->addLayout(buttons);
    m_ckNoLocalTax = named<QCheckBox>(this, "ckNoLocalTax", QStringLiteral("NO LOCAL TAX"));
    m_binding->check(m_ckNoLocalTax, m_screen.ckNoLocalTax);
    connect(m_ckNoLocalTax, &QCheckBox::clicked, this, [this] { click(&DialogCityScreen::ckNoLocalTax_Click); });
    buttons->insertWidget(0, m_ckNoLocalTax);
}

void DialogCity::addColumn(QGridLayout* grid, int column, const char* name, std::array<std::string, 10>& boxes)
{
    for (int row = 0; row < 10; ++row)
        grid->addWidget(numericBox(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(row),
                                   boxes[static_cast<std::size_t>(row)]),
                        row + 2, column);
}

} // namespace tallyrin
