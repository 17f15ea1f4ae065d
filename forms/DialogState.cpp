#include "forms/DialogState.h"

#include "platform/Named.h"
#include "platform/NumericKeyFilter.h"
#include "platform/QtText.h"
#include "state/BuiltInStates.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>


namespace tallyrin {

namespace {

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(index);
}

// Column headings wrap onto up to three lines; the row keeps room for all three.
QLabel* wrapped(QLabel* label)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * 3 + 4);
    return label;
}

} // namespace

QLabel* DialogState::heading(QLabel* label, bool tableHeading)
{
    if (tableHeading)
        m_binding.enabled(label, m_screen.tableHeadingsEnabled);
    return wrapped(label);
}

DialogState::DialogState(DialogStateScreen& screen, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
{
    setObjectName(QStringLiteral("DialogState"));
    setWindowTitle(QStringLiteral("Biweekly State Tax"));
    setModal(true);
    DialogStateScreen& s = m_screen;

    auto* outer = new QVBoxLayout(this);

    // The two withholding tables and the allowance columns share their ten rows.
    auto* tables = new QGridLayout;
    tables->setHorizontalSpacing(4);
    outer->addLayout(tables);
    auto* Label1 = label("Label1", QStringLiteral("Table for SINGLE Persons"));
    Label1->setAlignment(Qt::AlignCenter);
    m_binding.enabled(Label1, s.tableHeadingsEnabled);
    tables->addWidget(Label1, 0, 1, 1, 3);
    auto* Label5 = label("Label5", s.Label5);
    Label5->setAlignment(Qt::AlignCenter);
    m_binding.enabled(Label5, s.tableHeadingsEnabled);
    tables->addWidget(Label5, 0, 5, 1, 3);
    auto* Label16 = label("Label16", QStringLiteral("Withholding Allowance"));
    Label16->setAlignment(Qt::AlignCenter);
    tables->addWidget(Label16, 0, 9, 1, 2);
    const std::array<std::pair<const char*, int>, 3> biweekly{{{"Label19", 1}, {"Label20", 5}, {"Label21", 9}}};
    const std::array<const std::string*, 3> biweeklyText{&s.Label19, &s.Label20, &s.Label21};
    for (size_t i = 0; i < biweekly.size(); ++i) {
        QLabel* caption = label(biweekly[i].first, *biweeklyText[i]);
        caption->setAlignment(Qt::AlignCenter);
        m_binding.visible(caption, s.biweeklyLabelsVisible);
        // The headings Missouri greys include the two labels over the tables.
        if (i < 2)
            m_binding.enabled(caption, s.tableHeadingsEnabled);
        tables->addWidget(caption, 1, biweekly[i].second, 1, i == 2 ? 2 : 3);
    }
    tables->addWidget(heading(label("Label6", QStringLiteral("Line")), true), 2, 0);
    tables->addWidget(heading(label("Label2", QStringLiteral("Minimum Range")), true), 2, 1);
    tables->addWidget(heading(label("Label3", QStringLiteral("Amount to Withhold")), true), 2, 2);
    tables->addWidget(heading(label("Label4", QStringLiteral("Multiply by Percentage in Decimal")), true), 2, 3);
    tables->addWidget(heading(label("Label11", QStringLiteral("Line")), true), 2, 4);
    tables->addWidget(heading(label("Label8", QStringLiteral("Minimum Range")), true), 2, 5);
    tables->addWidget(heading(label("Label9", QStringLiteral("Amount to Withhold")), true), 2, 6);
    tables->addWidget(heading(label("Label10", QStringLiteral("Multiply by Percentage in Decimal")), true), 2, 7);
    tables->addWidget(heading(label("Label13", s.Label13), false), 2, 8);
    tables->addWidget(heading(label("Label14", s.Label14), false), 2, 9);
    tables->addWidget(heading(label("Label15", s.Label15), false), 2, 10);
    // The table columns: the box array, whether it takes typing, its grid column, and whether it is
    // in the Single frame (which Missouri greys).
    using Boxes = std::array<std::string, 10> DialogStateControls::*;
    using Enabled = std::array<bool, 10> DialogStateControls::Enabled::*;
    struct Column
    {
        const char* name;
        Boxes boxes;
        Enabled enabled;
        int column;
        bool inFrame1;
    };
    using C = DialogStateControls;
    using E = DialogStateControls::Enabled;
    const Column columns[] = {
        {"txtStateMinBS", &C::txtStateMinBS, &E::txtStateMinBS, 1, true},
        {"txtStateAmtBS", &C::txtStateAmtBS, &E::txtStateAmtBS, 2, true},
        {"txtStatePerBS", &C::txtStatePerBS, &E::txtStatePerBS, 3, true},
        {"txtStateMinBM", &C::txtStateMinBM, &E::txtStateMinBM, 5, false},
        {"txtStateAmtBM", &C::txtStateAmtBM, &E::txtStateAmtBM, 6, false},
        {"txtStatePerBM", &C::txtStatePerBM, &E::txtStatePerBM, 7, false},
        {"txtStateSgExp", &C::txtStateSgExp, &E::txtStateSgExp, 9, false},
        {"txtStateMarExp", &C::txtStateMarExp, &E::txtStateMarExp, 10, false},
    };
    for (int r = 0; r < 10; ++r) {
        const int row = r + 3;
        const auto at = static_cast<size_t>(r);
        tables->addWidget(label(indexed("Label27", r).toLatin1().constData(), s.Label27[at]), row, 0);
        // The row numbers repeat beside the Married table and the allowance columns.
        tables->addWidget(label(nullptr, s.Label27[at]), row, 4);
        tables->addWidget(label(nullptr, s.Label27[at]), row, 8);
        for (const Column& c : columns)
            tables->addWidget(numericBox(indexed(c.name, r), (s.*c.boxes)[at], &(s.enabled.*c.enabled)[at], c.inFrame1),
                              row, c.column);
    }
    for (int column : {0, 4, 8})
        tables->setColumnMinimumWidth(column, 24);

    auto* Label12 = label("Label12", QStringLiteral("You MUST enter biweekly figures. The WEEKLY tables will auto "
                                                    "adjust by selecting weekly in \"User Info\"."));
    Label12->setWordWrap(true);
    outer->addWidget(Label12);
    auto* warning = new QHBoxLayout;
    auto* Label18 = label("Label18", QStringLiteral("WARNING!"));
    QFont bold = Label18->font();
    bold.setBold(true);
    Label18->setFont(bold);
    warning->addWidget(Label18);
    warning->addWidget(label("Label17", QStringLiteral("Enter 999999 in any Minum Range Box that is not used.")), 1);
    outer->addLayout(warning);

    // Adjustment, SDI and SUI.
    auto* frames = new QHBoxLayout;
    outer->addLayout(frames);
    auto* Frame6 = named<QGroupBox>(this, "Frame6", QStringLiteral("Adustment"));
    auto* adjustment = new QGridLayout(Frame6);
    adjustment->addWidget(numericBox(QStringLiteral("txtStateAdj"), s.txtStateAdj), 0, 0);
    auto* Label24 = label("Label24", QStringLiteral("Enter figure to add to State Tax. Place a (-)Minus to subtract."));
    Label24->setWordWrap(true);
    adjustment->addWidget(Label24, 0, 1);
    adjustment->addWidget(numericBox(QStringLiteral("txtCalAllow"), s.txtCalAllow), 1, 0);
    adjustment->addWidget(label("Label28", QStringLiteral("California Exempt Allowance")), 1, 1);
    adjustment->setColumnStretch(1, 1);
    frames->addWidget(Frame6, 2);

    const auto insuranceFrame = [&](const char* frameName, const char* title, std::string& percent,
                                    const char* percentName, std::string& base, const char* baseName,
                                    const char* labelName, const std::string& baseCaption, const char* checkName,
                                    bool& useBase, void (DialogStateScreen::*click)()) {
        auto* frame = new QGroupBox(QString::fromLatin1(title), this);
        frame->setObjectName(QString::fromLatin1(frameName));
        auto* grid = new QGridLayout(frame);
        grid->addWidget(numericBox(QString::fromLatin1(percentName), percent), 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("% Rate"), frame), 0, 1);
        grid->addWidget(numericBox(QString::fromLatin1(baseName), base), 1, 0);
        QLabel* baseLabel = label(labelName, baseCaption);
        // Wide enough for either caption the box switches between.
        baseLabel->setMinimumWidth(baseLabel->fontMetrics().horizontalAdvance(QStringLiteral("Wage Base")) + 4);
        grid->addWidget(baseLabel, 1, 1);
        grid->addWidget(checkBox(checkName, "Use Base", useBase, click), 2, 0, 1, 2);
        frames->addWidget(frame, 1);
    };
    insuranceFrame("Frame4", "&State &Disability &Insurance", s.txtSDIpercent, "txtSDIpercent", s.txtSDIwageBase,
                   "txtSDIwageBase", "Label26", s.Label26, "ckSDI", s.ckSDI, &DialogStateScreen::ckSDI_Click);
    insuranceFrame("Frame5", "&State &UnEmployment &Insurance", s.txtSUIpercent, "txtSUIpercent", s.txtSUIwageBase,
                   "txtSUIwageBase", "Label23", s.Label23, "ckSUI", s.ckSUI, &DialogStateScreen::ckSUI_Click);

    // Options and the built-in states.
    auto* options = new QHBoxLayout;
    outer->addLayout(options);
    auto* flags = new QVBoxLayout;
    flags->addWidget(checkBox("ckNoStateTax", "NO STATE TAX", s.ckNoStateTax, &DialogStateScreen::ckNoStateTax_Click));
    flags->addWidget(checkBox("ckRoundOff", "Round State", s.ckRoundOff));
    QCheckBox* ckSpouse = checkBox("ckSpouse", "Spouse Works", s.ckSpouse, &DialogStateScreen::ckSpouse_Click);
    m_binding.visible(ckSpouse, s.ckSpouseVisible);
    flags->addWidget(ckSpouse);
    flags->addStretch(1);
    options->addLayout(flags);
    auto* states = named<QGroupBox>(this, "frameStates");
    auto* statesGrid = new QGridLayout(states);
    // A press acts before the box toggles (the screen toggles it), so the click only reports it.
    const auto& stateList = builtInStates();
    for (size_t i = 0; i < stateList.size(); ++i) {
        const BuiltInState& st = stateList[i];
        auto* box = new QCheckBox(QString::fromLatin1(st.caption), this);
        box->setObjectName(QString::fromLatin1(st.checkBoxName));
        connect(box, &QCheckBox::clicked, this, [this, which = st.box] {
            m_screen.stateBox_MouseDown(which);
            showScreen();
        });
        m_binding.checked(box, s.*st.checkBox);
        statesGrid->addWidget(box, static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    options->addWidget(states, 1);

    outer->addWidget(label("Label29", QStringLiteral("The state tables of the year are posted on our web page.")));

    // Buttons.
    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    const auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(button("cmdDefault", "New York"), &QPushButton::clicked, this,
            [this] { buttonClicked(&DialogStateScreen::cmdDefault_Click); });
    connect(button("cmdClearAll", "CLEAR ALL"), &QPushButton::clicked, this,
            [this] { buttonClicked(&DialogStateScreen::cmdClearAll_Click); });
    connect(button("cmdMkDefault", "Make Default"), &QPushButton::clicked, this, [this] {
        if (m_screen.cmdMkDefault_Click())
            QDialog::accept();
        else
            showScreen();
    });
    connect(button("cmdGetDefault", "Get Default"), &QPushButton::clicked, this,
            [this] { buttonClicked(&DialogStateScreen::cmdGetDefault_Click); });
    buttons->addStretch(1);
    connect(button("OKButton", "SAVE"), &QPushButton::clicked, this, &DialogState::OKButton_Click);
    connect(button("CancelButton", "CANCEL"), &QPushButton::clicked, this, &DialogState::CancelButton_Click);

    // Tab runs down each column of the tables, as an operator enters a table, then on to the
    // next column.
    QWidget* previous = nullptr;
    for (const char* column : {"txtStateMinBS", "txtStateAmtBS", "txtStatePerBS", "txtStateMinBM", "txtStateAmtBM",
                               "txtStatePerBM", "txtStateSgExp", "txtStateMarExp"})
        for (int r = 0; r < 10; ++r) {
            QWidget* box = findChild<QLineEdit*>(indexed(column, r));
            if (previous)
                QWidget::setTabOrder(previous, box);
            previous = box;
        }

    showScreen();
}

QLineEdit* DialogState::numericBox(const QString& name, std::string& field, const bool* enabled, bool inFrame1)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    makeNumericBox(box);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("9999999.99")) + 12);
    m_binding.text(box, field);
    if (enabled && inFrame1)
        m_binding.enabled(box, [this, enabled] { return *enabled && m_screen.Frame1Enabled; });
    else if (enabled)
        m_binding.enabled(box, *enabled);
    return box;
}

QCheckBox* DialogState::checkBox(const char* name, const char* caption, bool& field, void (DialogStateScreen::*click)())
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setObjectName(QString::fromLatin1(name));
    m_binding.check(box, field);
    // The box's toggle has reached the field by the time its click runs the screen's follow-up.
    connect(box, &QCheckBox::clicked, this, [this, click] { runFollowUp(click); });
    return box;
}

void DialogState::runFollowUp(void (DialogStateScreen::*click)())
{
    if (click)
        (m_screen.*click)();
    showScreen();
}

QLabel* DialogState::label(const char* name, const QString& caption)
{
    auto* l = new QLabel(caption, this);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* DialogState::label(const char* name, const std::string& field)
{
    QLabel* l = label(name, toQt(field));
    m_binding.caption(l, field);
    return l;
}

void DialogState::buttonClicked(void (DialogStateScreen::*operation)())
{
    (m_screen.*operation)();
    showScreen();
}

void DialogState::showScreen() { m_binding.show(); }

void DialogState::OKButton_Click()
{
    if (m_screen.OKButton_Click())
        QDialog::accept();
    else
        showScreen();
}

void DialogState::CancelButton_Click() { reject(); }

void DialogState::reject()
{
    m_screen.CancelButton_Click();
    QDialog::reject();
}

} // namespace tallyrin
