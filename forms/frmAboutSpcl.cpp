#include "forms/frmAboutSpcl.h"

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

    auto* name = new QLabel(QStringLiteral("Tallyrin 2009"), this);
    name->setObjectName(QStringLiteral("lblTitle"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(TALLYRIN_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* purpose = new QLabel(QStringLiteral("Payroll calculator for the 2009 tax year"), this);
    purpose->setObjectName(QStringLiteral("lblDescription"));

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
