#include "forms/DialogVac.h"

#include "platform/Named.h"
#include "platform/NumericKeyFilter.h"
#include "platform/QtText.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {

namespace {

QString indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

} // namespace

DialogVac::DialogVac(DialogVacScreen& screen, std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
    , m_showHelp(std::move(showHelp))
{
    setObjectName(QStringLiteral("DialogVac"));
    setWindowTitle(QString::fromLatin1(DialogVacScreen::kCaption));

    auto* outer = new QVBoxLayout(this);
    menuBarCommand(this, outer, "mnuHelp", QStringLiteral("&Help"), [this] { mnuHelp_Click(); });

    auto* heading = new QLabel(QStringLiteral("SAVED / ACCUMULATED DAYS"), this);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    outer->addWidget(heading);

    auto* accounts = new QHBoxLayout;
    outer->addLayout(accounts);
    accounts->addWidget(
        buildAccount(LeaveAccount::Vacation, "Vacation", "txtVacBal", "lbVacBal", "txtVcnt", "txtVdate"));
    accounts->addWidget(
        buildAccount(LeaveAccount::Holiday, "Holiday/Personel", "txtHolBal", "lbHolBal", "txtHcnt", "txtHdate"));
    accounts->addWidget(buildAccount(LeaveAccount::Sick, "Sick", "txtSickBal", "lbSickBal", "txtScnt", "txtSdate"));

    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    buttons->addStretch(1);
    auto* clear = named<QPushButton>(this, "cmdClear", QStringLiteral("Clear All"));
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, &DialogVac::cmdClear_Click);
    auto* save = named<QPushButton>(this, "OKButton", QStringLiteral("Save"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &DialogVac::OKButton_Click);
    buttons->addWidget(clear);
    buttons->addWidget(save);
}

QWidget* DialogVac::buildAccount(LeaveAccount account, const char* title, const char* startName,
                                 const char* balanceName, const char* takenName, const char* dateName)
{
    DialogVacScreen::AccountBoxes& fields = m_screen.account(account);
    // A start balance or a number of days typed works the running balance out again.
    const auto recompute = [this, account] {
        m_screen.recompute(account);
        showScreen();
    };
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    box->setObjectName(QStringLiteral("frame") + QString::fromLatin1(startName).mid(3));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(1);

    auto* start = new QLineEdit(box);
    start->setObjectName(QString::fromLatin1(startName));
    start->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeNumericBox(start);
    m_binding.text(start, fields.txtBal, recompute);
    auto* balance = new QLabel(box);
    balance->setObjectName(QString::fromLatin1(balanceName));
    balance->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_binding.caption(balance, fields.lbBal);
    grid->addWidget(new QLabel(QStringLiteral("Start Balance"), box), 0, 0);
    grid->addWidget(start, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Balance"), box), 1, 0);
    grid->addWidget(balance, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("#Taken"), box), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Dates"), box), 2, 1);

    for (int i = 0; i < kLeaveEntries; ++i) {
        auto* taken = new QLineEdit(box);
        taken->setObjectName(indexed(takenName, i));
        taken->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        taken->setFixedWidth(taken->fontMetrics().horizontalAdvance(QStringLiteral("00000.0")) + 12);
        makeNumericBox(taken);
        m_binding.text(taken, fields.txtCnt[static_cast<size_t>(i)], recompute);
        auto* date = new QLineEdit(box);
        date->setObjectName(indexed(dateName, i));
        selectAllOnFocus(date);
        m_binding.text(date, fields.txtDate[static_cast<size_t>(i)]);
        grid->addWidget(taken, i + 3, 0);
        grid->addWidget(date, i + 3, 1);
    }
    return box;
}

void DialogVac::load()
{
    m_screen.Form_Load();
    showScreen();
}

void DialogVac::showScreen() { m_binding.show(); }

void DialogVac::OKButton_Click()
{
    if (m_screen.OKButton_Click())
        accept();
    else
        showScreen();
}

void DialogVac::cmdClear_Click()
{
    m_screen.cmdClear_Click();
    showScreen();
}

void DialogVac::mnuHelp_Click()
{
    if (m_showHelp)
        m_showHelp();
}

} // namespace tallyrin
