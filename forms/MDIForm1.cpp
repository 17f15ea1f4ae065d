#include "forms/MDIForm1.h"

#include "forms/frmYear.h"
#include "forms/frmYearTot.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include <utility>

namespace tallyrin {

MDIForm1::MDIForm1(YtdLedger& ledger, Operator& op, YtdContext context, QWidget* parent)
    : QMainWindow(parent)
    , m_screen(ledger, op, std::move(context))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromLatin1(MDIForm1Screen::kCaption));

    m_mnuClose = menuBar()->addAction(QStringLiteral("&Close"));
    m_mnuClose->setObjectName(QStringLiteral("mnuClose"));
    connect(m_mnuClose, &QAction::triggered, this, &MDIForm1::mnuClose_Click);
    m_mnuExcel = menuBar()->addAction(QStringLiteral("&Excel"));
    m_mnuExcel->setObjectName(QStringLiteral("mnuExcel"));
    connect(m_mnuExcel, &QAction::triggered, this, &MDIForm1::mnuExcel_Click);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_frmYear = new frmYear(m_screen, central);
    m_frmYearTot = new frmYearTot(ledger, central);
    layout->addWidget(m_frmYear, 1);
    layout->addWidget(m_frmYearTot);
    setCentralWidget(central);

    connect(m_frmYear, &frmYear::ledgerChanged, m_frmYearTot, &frmYearTot::showScreen);
    connect(m_frmYear, &frmYear::closeRequested, this, &MDIForm1::mnuClose_Click);

    // Wide enough for every column of the grid, with room for the scroll bar.
    resize(1320, 900);
}

void MDIForm1::showScreen()
{
    m_frmYear->showScreen();
    m_frmYearTot->showScreen();
}

void MDIForm1::showLedger()
{
    showNormal();
    m_screen.open();
    showScreen();
    raise();
    activateWindow();
}

void MDIForm1::mnuClose_Click()
{
    m_frmYear->finishEditing();
    const bool closing = m_screen.mnuClose_Click();
    showScreen();
    if (closing)
        close();
}

void MDIForm1::mnuExcel_Click()
{
    m_frmYear->finishEditing();
    m_screen.mnuExcel_Click();
    showScreen();
}

void MDIForm1::closeLedger()
{
    m_screen.setLedgerClosing(true);
    close();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    if (m_screen.QueryUnload()) {
        event->accept();
        return;
    }
    event->ignore();
    showScreen();
}

} // namespace tallyrin
