#include "forms/DialogNonCity.h"

#include "screens/DialogNonCityScreen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace tallyrin {

DialogNonCity::DialogNonCity(DialogNonCityScreen& screen, Operator& op, QWidget* parent)
    : LocalTaxDialog(screen, op, parent, "DialogNonCity", "NON City Resident")
{
    QVBoxLayout* outer = m_outer;
    QHBoxLayout* tables = m_tables;

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
        grid->addWidget(centredLabel(QString::fromLatin1(t.period), box, true), 0, 0, 1, 3);
        grid->addWidget(centredLabel(QStringLiteral("NON Resident Table"), box, true), 1, 0, 1, 3);
        grid->addWidget(centredLabel(QStringLiteral("Line"), box), 2, 0);
        grid->addWidget(centredLabel(QStringLiteral("Minimum Range"), box), 2, 1);
        grid->addWidget(centredLabel(QStringLiteral("Subtract"), box), 2, 2);
        for (int row = 0; row < 8; ++row) {
            const auto r = static_cast<std::size_t>(row);
            grid->addWidget(centredLabel(QString::number(row + 1), box), row + 3, 0);
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
    notes->addWidget(centredLabel(QStringLiteral("WARNING!"), this, true));
    notes->addWidget(new QLabel(QStringLiteral("Enter 999999 in any Minimum Range Box that is not used."), this), 1);

    outer->addLayout(buttonRow({
        {"cmdDefault", QStringLiteral("&DEFAULT"), [this] { click(&DialogNonCityScreen::cmdDefault_Click); }},
    }));
}

} // namespace tallyrin
