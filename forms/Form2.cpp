#include "forms/Form2.h"

#include "text/Operator.h"
#include "screens/Form2Screen.h"
#include "forms/frmDate.h"
#include "platform/Named.h"
#include "platform/DialogOwner.h"
#include "platform/NumericKeyFilter.h"
#include "platform/QtText.h"
#include "platform/WindowPrint.h"
#include "text/SystemMessages.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyrin {

namespace {

QString indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

} // namespace

Form2::Form2(Form2Screen& screen, Operator& op, std::function<CalendarDate()> today, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
    , m_op(op)
    , m_today(std::move(today))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromLatin1(Form2Screen::kCaption));

    auto* outer = new QHBoxLayout(this);
    outer->addWidget(buildBlock(0));
    m_secondBlock = buildBlock(1);
    outer->addWidget(m_secondBlock);

    auto* side = new QVBoxLayout;
    outer->addLayout(side);
    auto* lbWk = named<QLabel>(this, "lbWk");
    auto* lb_OT = named<QLabel>(this, "lb_OT");
    side->addWidget(lbWk);
    side->addWidget(lb_OT);
    m_binding.caption(lbWk, m_screen.lbWk);
    m_binding.caption(lb_OT, m_screen.lb_OT);

    auto* figures = new QGridLayout;
    side->addLayout(figures);
    int row = 0;
    auto addBox = [&](const char* name, const char* caption, const char* tip, bool numeric, std::string& field) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (tip)
            box->setToolTip(QString::fromLatin1(tip));
        if (numeric)
            makeNumericBox(box);
        else
            selectAllOnFocus(box);
        m_binding.text(box, field);
        figures->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
        figures->addWidget(box, row++, 1);
    };
    auto addLabel = [&](const char* name, const char* caption, const char* tip, const std::string& field) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setToolTip(QString::fromLatin1(tip));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("$000,000.00")) + 12);
        m_binding.caption(label, field);
        figures->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
        figures->addWidget(label, row++, 1);
    };
    addBox("txtAnnual", "Annual Salary", "Look on your pay stub for SALARY", true, m_screen.txtAnnual);
    addBox("txtApPercent", "Enter Your Approved Percentage", nullptr, true, m_screen.txtApPercent);
    addLabel("lbEarned", "OverTime Earned", "Total from O.T. Only boxes", m_screen.lbEarned);
    addBox("txtPercent", "You are at", "Present percent rate", false, m_screen.txtPercent);
    addLabel("lbMax", "Max. allowable amount at approved percentage ", "Your limit at the approved % rate",
             m_screen.lbMax);
    addLabel("lbAvail", "Available overtime left", "The difference", m_screen.lbAvail);

    auto button = [this, side](const char* name, const char* caption, const char* tip, void (Form2::*slot)()) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        if (tip)
            b->setToolTip(QString::fromLatin1(tip));
        connect(b, &QPushButton::clicked, this, slot);
        side->addWidget(b);
    };
    button("cmdADD", "&TOTAL", nullptr, &Form2::cmdADD_Click);
    button("cmdAdvance", "&New Week", "Move up one pay period. Delete 1st wk, add new 26wk.", &Form2::cmdAdvance_Click);
    button("cmdUndo", "&Undo", "ONLY BACK TO WHEN FIRST OPENED", &Form2::cmdUndo_Click);
    button("cmdPrint", "&Print", nullptr, &Form2::cmdPrint_Click);
    button("cmdClose", "&Back", nullptr, &Form2::cmdClose_Click);
    side->addStretch(1);
}

QWidget* Form2::buildBlock(int block)
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(QStringLiteral("Week No."), panel), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral(" Week Ending"), panel), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral(" O.T. Only"), panel), 0, 2);
    for (int i = 0; i < 26; ++i) {
        const int row = block * 26 + i;
        auto* number = new QLabel(QString::number(row + 1), panel);
        number->setObjectName(indexed("Label2", row));
        number->setAlignment(Qt::AlignCenter);

        auto* date = new QLineEdit(panel);
        date->setObjectName(indexed("Text1", row));
        date->setFixedWidth(date->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
        selectAllOnFocus(date);
        date->installEventFilter(this); // a click opens the date picker; the keys move between rows
        m_binding.text(date, m_screen.Text1[static_cast<size_t>(row)]);
        m_Text1[static_cast<size_t>(row)] = date;

        auto* amount = new QLineEdit(panel);
        amount->setObjectName(indexed("txtOT", row));
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setFixedWidth(amount->fontMetrics().horizontalAdvance(QStringLiteral("000000.00")) + 12);
        makeNumericBox(amount);
        amount->installEventFilter(this);
        m_binding.text(amount, m_screen.txtOT[static_cast<size_t>(row)]);
        m_txtOT[static_cast<size_t>(row)] = amount;

        grid->addWidget(number, i + 1, 0);
        grid->addWidget(date, i + 1, 1);
        grid->addWidget(amount, i + 1, 2);
    }
    return panel;
}

void Form2::showScreen()
{
    m_binding.show();
    // The window fits itself again when the second block comes or goes.
    const bool weekly = m_screen.weekly();
    if (m_secondBlock->isVisibleTo(this) != weekly) {
        m_secondBlock->setVisible(weekly);
        adjustSize();
    }
}

void Form2::cmdADD_Click()
{
    m_screen.cmdADD_Click();
    showScreen();
}

void Form2::cmdAdvance_Click()
{
    m_screen.cmdAdvance_Click();
    showScreen();
}

void Form2::cmdUndo_Click()
{
    m_screen.cmdUndo_Click();
    showScreen();
}

void Form2::cmdPrint_Click()
{
    if (!m_op.choosePrinter(m_printName ? m_printName() : std::string("overtime")))
        return; // cancelled: nothing is printed
    QPrinter* printer = m_printer ? m_printer() : nullptr;
    if (!printer || !printWindowImage(*this, *printer))
        m_op.message(messages::kWindowNotPrinted, Icon::Exclamation);
}

void Form2::cmdClose_Click()
{
    const bool closing = m_screen.cmdClose_Click();
    showScreen();
    if (closing)
        hide();
}

void Form2::closeEvent(QCloseEvent* event)
{
    m_screen.close();
    QDialog::closeEvent(event);
}

void Form2::Text1_Click(int row)
{
    frmDate picker(
        m_screen.Text1[static_cast<size_t>(row)], m_today ? m_today() : CalendarDate{}, [this] { showScreen(); },
        this);
    execOver(picker);
    showScreen();
}

void Form2::focusCell(int column, int row)
{
    QLineEdit* box = column == 0 ? m_Text1[static_cast<size_t>(row)] : m_txtOT[static_cast<size_t>(row)];
    box->setFocus(Qt::OtherFocusReason);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    const auto date = std::find(m_Text1.begin(), m_Text1.end(), watched);
    const auto amount = std::find(m_txtOT.begin(), m_txtOT.end(), watched);
    const bool isDate = date != m_Text1.end();
    if (!isDate && amount == m_txtOT.end())
        return QDialog::eventFilter(watched, event);
    const int row = static_cast<int>(isDate ? date - m_Text1.begin() : amount - m_txtOT.begin());

    if (isDate && event->type() == QEvent::MouseButtonRelease) {
        Text1_Click(row);
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    Form2Screen::Key key;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = Form2Screen::Key::Enter;
        break;
    case Qt::Key_Up:
        key = Form2Screen::Key::Up;
        break;
    case Qt::Key_Down:
        key = Form2Screen::Key::Down;
        break;
    case Qt::Key_Left:
        key = Form2Screen::Key::Left;
        break;
    case Qt::Key_Right:
        key = Form2Screen::Key::Right;
        break;
    default:
        return QDialog::eventFilter(watched, event);
    }
    const auto from = Form2Screen::Cell{isDate ? Form2Screen::Column::Date : Form2Screen::Column::Amount, row};
    if (const auto to = m_screen.move(from, key)) {
        focusCell(to->column == Form2Screen::Column::Date ? 0 : 1, to->row);
        return true;
    }
    // Enter never reaches the dialog's default button; the other keys are the box's own.
    return key == Form2Screen::Key::Enter || QDialog::eventFilter(watched, event);
}

} // namespace tallyrin
