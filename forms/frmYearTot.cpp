#include "forms/frmYearTot.h"

#include "platform/Named.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"
#include "ytd/YtdLedger.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tallyrin {

frmYearTot::frmYearTot(YtdLedger& ledger, QWidget* parent)
    : QWidget(parent)
    , m_ledger(ledger)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("frmYearTot"));
    auto* layout = new QGridLayout(this);

    for (int i = 0; i < kYtdAmounts; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtTot_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(72);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lbTot_%1").arg(i));
        label->setBuddy(box);
        const YtdAmount which = kYtdTotalsOrder[static_cast<size_t>(i)];
        if (which == YtdAmount::Net || which == YtdAmount::Gross)
            makeNumericBox(box);
        else
            selectAllOnFocus(box);
        m_binding->caption(label, [this, which] { return m_ledger.totalsHeading(which); });
        m_binding->text(box, m_ledger.box(which));
        m_txtTot[static_cast<size_t>(i)] = box;
        m_lbTot[static_cast<size_t>(i)] = label;
    }

    // First row: headings over the boxes, Federal to Gross.
    for (int i = 0; i < kYtdFirstRowBoxes; ++i) {
        layout->addWidget(m_lbTot[static_cast<size_t>(i)], 0, i, Qt::AlignHCenter | Qt::AlignBottom);
        layout->addWidget(m_txtTot[static_cast<size_t>(i)], 1, i);
    }
    // Second row: "TOTALS:", then each caption followed by its box.
    auto* totals = named<QLabel>(this, "lbTotals", QString::fromLatin1(YtdLedger::kTotalsLabel));
    QFont bold = totals->font();
    bold.setBold(true);
    totals->setFont(bold);
    layout->addWidget(totals, 2, 0);
    int column = 1;
    for (int i = kYtdFirstRowBoxes; i < kYtdAmounts; ++i) {
        layout->addWidget(m_lbTot[static_cast<size_t>(i)], 2, column++, Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(m_txtTot[static_cast<size_t>(i)], 2, column++);
    }

    showScreen();
}

void frmYearTot::showScreen() { m_binding->show(); }

} // namespace tallyrin
