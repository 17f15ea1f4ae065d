#include "forms/MDIForm1.h"

#include "forms/frmYear.h"
#include "platform/Named.h"
#include "platform/DialogOwner.h"
#include "forms/frmYearTot.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
    m_mnuPrint = menuBar()->addAction(QStringLiteral("&Print"));
    m_mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    connect(m_mnuPrint, &QAction::triggered, this, &MDIForm1::mnuPrint_Click);
    QMenu* clear = menuBar()->addMenu(QStringLiteral("C&lear"));
    clear->setObjectName(QStringLiteral("mnuClear"));
    QAction* clearAll = clear->addAction(QStringLiteral("&Clear All"));
    clearAll->setObjectName(QStringLiteral("mnuClearAll"));
    connect(clearAll, &QAction::triggered, this, [this] { runCommand(&MDIForm1Screen::mnuClearAll_Click); });
    QAction* add = menuBar()->addAction(QStringLiteral("&Add"));
    add->setObjectName(QStringLiteral("mnuAdd"));
    connect(add, &QAction::triggered, this, [this] { runCommand(&MDIForm1Screen::mnuAdd_Click); });
    m_mnuExcel = menuBar()->addAction(QStringLiteral("&Excel"));
    m_mnuExcel->setObjectName(QStringLiteral("mnuExcel"));
    connect(m_mnuExcel, &QAction::triggered, this, &MDIForm1::mnuExcel_Click);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_frmYear = new frmYear(m_screen, central);
    m_frmYearTot = new frmYearTot(ledger, central);
    // The totals are as wide as the grid: on a narrow screen they scroll sideways on their own.
    auto* totals = named<QScrollArea>(central, "totalsScroll");
    totals->setWidget(m_frmYearTot);
    totals->setWidgetResizable(true);
    totals->setFrameShape(QFrame::NoFrame);
    totals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    totals->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    totals->setFixedHeight(m_frmYearTot->sizeHint().height() + totals->horizontalScrollBar()->sizeHint().height());
    layout->addWidget(m_frmYear, 1);
    layout->addWidget(totals);
    // When the grid needs less than the window (a bi-weekly ledger), the room is left below the
    // totals, not between them and the grid.
    layout->addStretch(0);
    setCentralWidget(central);

    connect(m_frmYear, &frmYear::ledgerChanged, m_frmYearTot, &frmYearTot::showScreen);
    connect(m_frmYear, &frmYear::closeRequested, this, &MDIForm1::mnuClose_Click);

    // Fits a 1280 x 800 screen with its title bar; the grid and the totals scroll where the
    // columns do not fit.
    QSize size(1260, 740);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - QSize(20, 60));
    resize(size);
}

void MDIForm1::runCommand(void (MDIForm1Screen::*command)())
{
    m_frmYear->finishEditing();
    (m_screen.*command)();
    showScreen();
}

void MDIForm1::showScreen()
{
    m_frmYear->showScreen();
    m_frmYearTot->showScreen();
}

void MDIForm1::showLedger()
{
    showNormal();
    raise();
    activateWindow();
    {
        // What opening says (no employee open, a damaged file) belongs to the ledger, which
        // stays in front.
        const AskingFrom asking(this);
        m_screen.open();
    }
    showScreen();
}

void MDIForm1::mnuClose_Click()
{
    m_frmYear->finishEditing();
    const bool closing = m_screen.mnuClose_Click();
    showScreen();
    if (closing)
        close();
}

void MDIForm1::mnuPrint_Click()
{
    m_frmYear->finishEditing();
    if (m_print)
        m_print();
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
