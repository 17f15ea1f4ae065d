#include "forms/DialogCity.h"

#include "screens/DialogCityScreen.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"

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

QLabel* heading(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QLabel* biweekly(QWidget* parent)
{
    auto* label = heading("BIWEEKLY", parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

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
    : QDialog(parent)
    , m_screen(screen)
    , m_op(op)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("DialogCity"));
    setWindowTitle(QStringLiteral("City (Local) Tax Tables"));

    auto* outer = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    outer->addLayout(tables);

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

    auto* allowances = new QGroupBox(QStringLiteral("Withholding Allowance"), this);
    allowances->setObjectName(QStringLiteral("frameAllowance"));
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
    auto* warning = new QLabel(QStringLiteral("WARNING!"), this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    notes->addWidget(warning);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Enter 999999 in any Minimum Range Box that is not used."), this));
    auto* weekly = new QLabel(QStringLiteral("When you enter the above biweekly info, the weekly tables will be "
                                             "configured for half the amount including the exemptions."),
                              this);
    weekly->setWordWrap(true);
    texts->addWidget(weekly);
    notes->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    m_ckNoLocalTax = new QCheckBox(QStringLiteral("NO LOCAL TAX"), this);
    m_ckNoLocalTax->setObjectName(QStringLiteral("ckNoLocalTax"));
    m_binding->check(m_ckNoLocalTax, m_screen.ckNoLocalTax);
    connect(m_ckNoLocalTax, &QCheckBox::clicked, this, [this] {
        m_screen.ckNoLocalTax_Click();
        showScreen();
    });
    buttons->addWidget(m_ckNoLocalTax);
    buttons->addStretch(1);

    auto button = [this, buttons](const char* name, const char* caption, void (DialogCity::*slot)()) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button("cmdDefault", "&New York", &DialogCity::cmdDefault_Click);
    button("cmdClearMe", "CLEAR ALL", &DialogCity::cmdClearMe_Click);
    button("OKButton", "&SAVE", &DialogCity::OKButton_Click);
    button("CancelButton", "&CANCEL", &DialogCity::reject);
}

void DialogCity::addColumn(QGridLayout* grid, int column, const char* name, std::array<std::string, 10>& boxes)
{
    for (int row = 0; row < 10; ++row) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(row));
        makeNumericBox(box);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")) + 16);
        m_binding->text(box, boxes[static_cast<std::size_t>(row)]);
        grid->addWidget(box, row + 2, column);
    }
}

void DialogCity::showScreen()
{
    m_binding->show();
}

void DialogCity::cmdDefault_Click()
{
    m_screen.cmdDefault_Click();
    showScreen();
}

void DialogCity::cmdClearMe_Click()
{
    m_screen.cmdClearMe_Click();
    showScreen();
}

void DialogCity::OKButton_Click()
{
    if (m_screen.OKButton_Click())
        accept();
    else
        showScreen();
}

void DialogCity::reject()
{
    m_screen.CancelButton_Click();
    QDialog::reject();
}

void DialogCity::showEvent(QShowEvent* event)
{
    m_screen.show();
    showScreen();
    QDialog::showEvent(event);
}

} // namespace tallyrin
