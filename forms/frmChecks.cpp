#include "forms/frmChecks.h"

#include "platform/Named.h"
#include "session/Workspace.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tallyrin {

frmChecks::frmChecks(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
{
    setObjectName(QStringLiteral("frmChecks"));
    setWindowTitle(QString::fromLatin1(frmChecksScreen::kCaption));
    setModal(false);
    frmChecksScreen& c = m_ws.checks;

    auto* outer = new QVBoxLayout(this);
    menuBarCommand(this, outer, "mnuPrintCheck", QStringLiteral("Print"), [this] { emit printRequested(); });

    // Laid out as the check itself: company top left, date top right, payee and amount, the words,
    // then the address block and the memo.
    auto* grid = new QGridLayout;
    auto label = [this](const char* text) { return new QLabel(QString::fromLatin1(text), this); };
    grid->addWidget(field("txtCheckCompany", c.txtCheckCompany), 0, 0, 1, 2);
    grid->addWidget(label("DATE"), 0, 2, Qt::AlignRight);
    QLineEdit* date = field("txtCheckDate", c.txtCheckDate);
    date->setToolTip(QString::fromLatin1(frmChecksScreen::kDateToolTip));
    grid->addWidget(date, 0, 3);
    grid->addWidget(label("PAY TO THE ORDER OF"), 1, 0);
    grid->addWidget(field("txtPayTo", c.txtPayTo), 1, 1);
    grid->addWidget(label("$"), 1, 2, Qt::AlignRight);
    grid->addWidget(field("txtCheckAmt", c.txtCheckAmt), 1, 3);
    grid->addWidget(field("txtDollars", c.txtDollars), 2, 0, 1, 3);
    grid->addWidget(label("DOLLARS"), 2, 3);
    grid->addWidget(field("txtUserName", c.txtUserName), 3, 1);
    grid->addWidget(field("txtUserSSnum", c.txtUserSSnum), 3, 3);
    grid->addWidget(field("txtUserAddress", c.txtUserAddress), 4, 1);
    grid->addWidget(field("txtUserState", c.txtUserState), 5, 1);
    grid->addWidget(label("MEMO"), 6, 0);
    grid->addWidget(field("txtMemo", c.txtMemo), 6, 1);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    // The check's lines stay together under the menu; spare height goes below the memo.
    outer->addStretch(1);
    resize(760, 300);
}

QLineEdit* frmChecks::field(const char* name, std::string& text)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(140);
    m_binding.text(box, text);
    return box;
}

void frmChecks::showScreen() { m_binding.show(); }

void frmChecks::load()
{
    m_ws.frmChecks_Load();
    showScreen();
}

void frmChecks::refresh()
{
    if (!m_ws.checks.loaded())
        return;
    m_ws.frmChecks_Refresh();
    showScreen();
}

void frmChecks::mousePressEvent(QMouseEvent* event)
{
    refresh();
    QDialog::mousePressEvent(event);
}

void frmChecks::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refresh();
    QDialog::changeEvent(event);
}

} // namespace tallyrin
