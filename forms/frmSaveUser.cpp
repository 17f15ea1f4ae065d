#include "forms/frmSaveUser.h"

#include "session/Workspace.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {

frmSaveUser::frmSaveUser(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_binding(new FormBinding(this))
    , m_name(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmSaveUser"));
    setWindowTitle(QStringLiteral("Save User"));
    setModal(true);

    m_name->setObjectName(QStringLiteral("txtSaveUser"));
    m_name->setMinimumWidth(260);
    QFont big = m_name->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    m_name->setFont(big);
    selectAllOnFocus(m_name);
    m_binding->text(m_name, m_ws.txtSaveUser);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        return b;
    };
    QPushButton* save = button("cmdSaveUser", QStringLiteral("&Save"));
    QPushButton* no = button("cmdEnd", QStringLiteral("&No"));
    QPushButton* quit = button("cmdQuit", QStringLiteral("&Quit"));
    // Enter in the name box saves.
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &frmSaveUser::cmdSaveUser_Click);
    connect(no, &QPushButton::clicked, this, &frmSaveUser::cmdEnd_Click);
    connect(quit, &QPushButton::clicked, this, &frmSaveUser::cmdQuit_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(no);
    buttons->addStretch();
    buttons->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(m_name);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSaveUser::showEvent(QShowEvent* event)
{
    m_answered = false;
    m_binding->show();
    m_name->setFocus();
    m_name->selectAll();
    QDialog::showEvent(event);
}

void frmSaveUser::cmdSaveUser_Click()
{
    // A name the workspace refuses is reported by it and nothing is saved; the screen stays open
    // so that the operator can correct the name.
    const bool refused = refusedUserName(m_ws.txtSaveUser).has_value();
    if (!refused)
        m_answered = true;
    m_ws.cmdSaveUser_Click();
    if (refused) {
        m_name->setFocus();
        m_name->selectAll();
        return;
    }
    QDialog::accept();
}

void frmSaveUser::cmdEnd_Click() { reject(); }

void frmSaveUser::cmdQuit_Click()
{
    m_answered = true;
    m_ws.cmdQuit_Click();
    QDialog::done(QDialog::Rejected);
}

void frmSaveUser::reject()
{
    if (!m_answered) {
        m_answered = true;
        m_ws.cmdEnd_Click();
    }
    QDialog::reject();
}

} // namespace tallyrin
