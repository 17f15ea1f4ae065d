#include "forms/DialogVac.h"

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

void setIfChanged(QLineEdit* box, const std::string& text)
{
    if (box->text() != toQt(text))
        box->setText(toQt(text));
}

} // namespace

DialogVac::DialogVac(DialogVacScreen& screen, std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
    , m_showHelp(std::move(showHelp))
{
    setObjectName(QStringLiteral("DialogVac"));
    setWindowTitle(QString::fromLatin1(DialogVacScreen::kCaption));

    auto* outer = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    QAction* help = menuBar->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, &DialogVac::mnuHelp_Click);
    outer->setMenuBar(menuBar);

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
    auto* clear = new QPushButton(QStringLiteral("Clear All"), this);
    clear->setObjectName(QStringLiteral("cmdClear"));
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, &DialogVac::cmdClear_Click);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("OKButton"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &DialogVac::OKButton_Click);
    buttons->addWidget(clear);
    buttons->addWidget(save);
}

QWidget* DialogVac::buildAccount(LeaveAccount account, const char* title, const char* startName,
                                 const char* balanceName, const char* takenName, const char* dateName)
{
    AccountWidgets& w = m_accounts[static_cast<size_t>(account)];
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    box->setObjectName(QStringLiteral("frame") + QString::fromLatin1(startName).mid(3));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(1);

    w.start = new QLineEdit(box);
    w.start->setObjectName(QString::fromLatin1(startName));
    w.start->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    makeNumericBox(w.start);
    connect(w.start, &QLineEdit::textEdited, this, [this, account](const QString& t) {
        m_screen.account(account).txtBal = toStd(t);
        m_screen.recompute(account);
        showScreen();
    });
    w.balance = new QLabel(box);
    w.balance->setObjectName(QString::fromLatin1(balanceName));
    w.balance->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    w.balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(QStringLiteral("Start Balance"), box), 0, 0);
    grid->addWidget(w.start, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Balance"), box), 1, 0);
    grid->addWidget(w.balance, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("#Taken"), box), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Dates"), box), 2, 1);

    for (int i = 0; i < kLeaveEntries; ++i) {
        auto* taken = new QLineEdit(box);
        taken->setObjectName(indexed(takenName, i));
        taken->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        taken->setFixedWidth(taken->fontMetrics().horizontalAdvance(QStringLiteral("00000.0")) + 12);
        makeNumericBox(taken);
        connect(taken, &QLineEdit::textEdited, this, [this, account, i](const QString& t) {
            m_screen.account(account).txtCnt[static_cast<size_t>(i)] = toStd(t);
            m_screen.recompute(account);
            showScreen();
        });
        auto* date = new QLineEdit(box);
        date->setObjectName(indexed(dateName, i));
        selectAllOnFocus(date);
        connect(date, &QLineEdit::textEdited, this, [this, account, i](const QString& t) {
            m_screen.account(account).txtDate[static_cast<size_t>(i)] = toStd(t);
        });
        w.taken[static_cast<size_t>(i)] = taken;
        w.dates[static_cast<size_t>(i)] = date;
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

void DialogVac::showScreen()
{
    for (LeaveAccount a : {LeaveAccount::Vacation, LeaveAccount::Holiday, LeaveAccount::Sick}) {
        const auto& boxes = m_screen.account(a);
        AccountWidgets& w = m_accounts[static_cast<size_t>(a)];
        setIfChanged(w.start, boxes.txtBal);
        w.balance->setText(toQt(boxes.lbBal));
        for (size_t i = 0; i < kLeaveEntries; ++i) {
            setIfChanged(w.taken[i], boxes.txtCnt[i]);
            setIfChanged(w.dates[i], boxes.txtDate[i]);
        }
    }
}

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
