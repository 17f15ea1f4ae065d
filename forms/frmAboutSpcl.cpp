#include "forms/frmAboutSpcl.h"
#include "platform/Named.h"

#include "TallyrinVersion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tallyrin {

frmAboutSpcl::frmAboutSpcl(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAboutSpcl"));
    setWindowTitle(QStringLiteral("About Tallyrin 2009"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* name = named<QLabel>(this, "lblTitle", QStringLiteral("Tallyrin 2009"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    auto* version = named<QLabel>(this, "lblVersion", QStringLiteral("Version %1").arg(QStringLiteral(TALLYRIN_VERSION)));
    auto* purpose = named<QLabel>(this, "lblDescription", QStringLiteral("Payroll calculator for the 2009 tax year"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(6);
    texts->addWidget(purpose);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tallyrin
