#include "forms/DialogNonCity.h"

#include "screens/DialogNonCityScreen.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace tallyrin {

namespace {

QLabel* centred(const QString& text, QWidget* parent, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

DialogNonCity::DialogNonCity(DialogNonCityScreen& screen, Operator& op, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
    , m_op(op)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("DialogNonCity"));
    setWindowTitle(QStringLiteral("NON City Resident"));

    auto* outer = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    outer->addLayout(tables);

    struct Table
    {
        const char* frame;
        const char* period;
        const char* minName;
        const char* expName;
        std::array<std::string, 8>* mins;
        std::array<std::string, 8>* exclusions;
    };
    const std::array<Table, 2> tableList{{
        {"frameBiWeekly", "BIWEEKLY", "txtNonMinBi", "txtNonExpBi", &m_screen.txtNonMinBi, &m_screen.txtNonExpBi},
        {"frameWeekly", "WEEKLY", "txtNonMinWk", "txtNonExpWk", &m_screen.txtNonMinWk, &m_screen.txtNonExpWk},
    }};
    for (const Table& t : tableList) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QString::fromLatin1(t.frame));
        auto* grid = new QGridLayout(box);
        grid->addWidget(centred(QString::fromLatin1(t.period), box, true), 0, 0, 1, 3);
        grid->addWidget(centred(QStringLiteral("NON Resident Table"), box, true), 1, 0, 1, 3);
        grid->addWidget(centred(QStringLiteral("Line"), box), 2, 0);
        grid->addWidget(centred(QStringLiteral("Minimum Range"), box), 2, 1);
        grid->addWidget(centred(QStringLiteral("Subtract"), box), 2, 2);
        for (int row = 0; row < 8; ++row) {
            const auto r = static_cast<std::size_t>(row);
            grid->addWidget(centred(QString::number(row + 1), box), row + 3, 0);
            grid->addWidget(
                numericBox(QStringLiteral("%1_%2").arg(QString::fromLatin1(t.minName)).arg(row), (*t.mins)[r]), row + 3,
                1);
            grid->addWidget(
                numericBox(QStringLiteral("%1_%2").arg(QString::fromLatin1(t.expName)).arg(row), (*t.exclusions)[r]),
                row + 3, 2);
        }
        tables->addWidget(box);
    }

    auto* rate = new QHBoxLayout;
    outer->addLayout(rate);
    auto* rateLabel = new QLabel(QStringLiteral("Multiply by Percentage in Decimal"), this);
    QLineEdit* txtNonPer = numericBox(QStringLiteral("txtNonPer"), m_screen.txtNonPer);
    rateLabel->setBuddy(txtNonPer);
    rate->addWidget(rateLabel);
    rate->addWidget(txtNonPer);
    rate->addStretch(1);

    auto* notes = new QHBoxLayout;
    outer->addLayout(notes);
    notes->addWidget(centred(QStringLiteral("WARNING!"), this, true));
    notes->addWidget(new QLabel(QStringLiteral("Enter 999999 in any Minimum Range Box that is not used."), this), 1);

    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    buttons->addStretch(1);
    auto button = [this, buttons](const char* name, const char* caption, void (DialogNonCity::*slot)()) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button("cmdDefault", "&DEFAULT", &DialogNonCity::cmdDefault_Click);
    button("OKButton", "&SAVE", &DialogNonCity::OKButton_Click);
    button("CancelButton", "&CANCEL", &DialogNonCity::reject);
}

QLineEdit* DialogNonCity::numericBox(const QString& name, std::string& field)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    makeNumericBox(box);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")) + 16);
    m_binding->text(box, field);
    return box;
}

void DialogNonCity::showScreen() { m_binding->show(); }

void DialogNonCity::cmdDefault_Click()
{
    m_screen.cmdDefault_Click();
    showScreen();
}

void DialogNonCity::OKButton_Click()
{
    if (m_screen.OKButton_Click())
        accept();
    else
        showScreen();
}

void DialogNonCity::reject()
{
    m_screen.CancelButton_Click();
    QDialog::reject();
}

void DialogNonCity::showEvent(QShowEvent* event)
{
    m_screen.show();
    showScreen();
    QDialog::showEvent(event);
}

} // namespace tallyrin
