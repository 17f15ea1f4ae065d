#include "forms/Form1.h"

#include "forms/DialogDeposit.h"
#include "forms/DialogEmployer.h"

#include "app/Backup.h"
#include "platform/Named.h"
#include "platform/archive/TarXz.h"

#include "session/Workspace.h"
#include "screens/frmPaydayScreen.h"
#include "forms/DialogCity.h"
#include "forms/DialogNonCity.h"
#include "forms/DialogState.h"
#include "forms/DialogVac.h"
#include "forms/Form2.h"
#include "forms/HelpWindow.h"
#include "forms/DialogHeader.h"
#include "forms/MDIForm1.h"
#include "forms/dlgPrintSet.h"
#include "forms/frmChecks.h"
#include "forms/frmAboutSpcl.h"
#include "forms/frmDateMain.h"
#include "forms/frmPayday.h"
#include "forms/frmReport.h"
#include "forms/frmStaff.h"
#include "forms/frmSaveUser.h"
#include "forms/frmTaxInfo.h"
#include "platform/DialogOwner.h"
#include "platform/FormBinding.h"
#include "platform/NumericKeyFilter.h"
#include "platform/QtText.h"
#include "platform/SpreadsheetOpener.h"
#include "platform/xlsx/XlsxWorkbook.h"
#include "print/PrintDevice.h"
#include "platform/WindowPrint.h"
#include "text/SystemMessages.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace tallyrin {

namespace {

struct EntryRow
{
    const char* caption;
    const char* hint;
};

// txtAmount 0..7: the caption beside each box and its tool tip.
constexpr std::array<EntryRow, 8> entryRows{{
    {"STRAIGHT TIME HOURS 1", "Pay rate 1"},
    {"STRAIGHT TIME HOURS 2", "Pay rate 2"},
    {"O.T.", nullptr},
    {"O.T. TIME AND 1/2 (1.5X)", nullptr},
    {"HOLIDAY IN HOURS", nullptr},
    {"VACATION - SICK, IN HOURS", nullptr},
    {"PAY IN DOLLAR AMOUNT", "Use Dollar amount"},
    {"TIPS (Hours)", "Use Dollar amount"},
}};

QString indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

QFont scaled(QFont font, double factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

Form1::Form1(Workspace& ws, QWidget* parent)
    : QMainWindow(parent)
    , m_ws(ws)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("Form1"));
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);

    // Top strip: the employee and the period date.
    auto* top = new QHBoxLayout;
    m_lbUser = named<QLabel>(central, "lbUser", QStringLiteral("USER"));
    m_lbUser->setFont(scaled(font(), 1.25, true));
    m_txtWeek = named<QLineEdit>(central, "txtWeek");
    m_txtWeek->setMaxLength(10);
    m_txtWeek->setToolTip(QStringLiteral("Click for Date change"));
    m_txtWeek->setAlignment(Qt::AlignCenter);
    m_txtWeek->installEventFilter(this); // a click opens the date picker
    m_txtWeek->setFixedWidth(m_txtWeek->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    top->addWidget(m_lbUser, 1);
    top->addWidget(m_txtWeek);
    outer->addLayout(top);

    auto* body = new QHBoxLayout;
    body->addWidget(buildEntries(), 0);
    body->addWidget(buildResults(), 1);
    outer->addLayout(body, 1);

    // Bottom strip: which tables are in use.
    auto* bottom = new QHBoxLayout;
    m_lbTableNotice = named<QLabel>(central, "lbTableNotice");
    m_lbTaxVer = named<QLabel>(central, "lbTaxVer");
    m_lbTaxVer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bottom->addWidget(m_lbTableNotice);
    bottom->addStretch(1);
    bottom->addWidget(m_lbTaxVer);
    outer->addLayout(bottom);

    setCentralWidget(central);
    buildMenus();

    // Keyboard first: the eight entries, then ADD and CLEAR, then the rest.
    QWidget* previous = m_txtAmount[0];
    auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int i = 1; i < 8; ++i)
        chain(m_txtAmount[i]);
    chain(m_cmdCal);
    chain(m_cmdClear);
    chain(m_opt1x);
    chain(m_opt2x);
    chain(m_ckFedJan);
    chain(m_txtWeek);
    m_txtAmount[0]->setFocus();

    // The entries, options and check box write the screen model as the operator changes them
    // (the date box holds the period date's ten characters at most); the labels show it.
    Form1Screen& f = m_ws.form1;
    m_binding->title(this, f.caption);
    m_binding->caption(m_lbUser, f.lbUser);
    m_binding->text(m_txtWeek, f.txtWeek);
    for (size_t i = 0; i < m_txtAmount.size(); ++i)
        m_binding->text(m_txtAmount[i], f.txtAmount[i]);
    m_binding->option(m_opt1x, m_opt2x, f.opt1x);
    m_binding->check(m_ckFedJan, f.ckFedJan);
    const std::vector<std::pair<QLabel*, const std::string*>> results{
        {m_Label13, &f.Label13}, {m_lbTaxes, &f.lbTaxes}, {m_lbDeduct, &f.lbDeduct},
        {m_lbNet, &f.lbNet},     {m_lbOverT, &f.lbOverT}, {m_lbTips, &f.lbTips},
        {m_lbSDI, &f.lbSDI},     {m_lbSUI, &f.lbSUI},     {m_lbCafe, &f.lbCafe}};
    for (const auto& [label, field] : results)
        m_binding->caption(label, *field);
    for (size_t i = 0; i < m_lbTaxDed.size(); ++i)
        m_binding->caption(m_lbTaxDed[i], f.lbTaxDed[i]);
    for (size_t k = 0; k < m_lbTaxTag.size(); ++k)
        m_binding->caption(m_lbTaxTag[k], f.lbTaxTag[k]);
    m_binding->caption(m_lbTaxVer, f.lbTaxVer);
    m_binding->caption(m_lbTableNotice, f.lbTableNotice);
    connect(m_cmdCal, &QPushButton::clicked, this, &Form1::cmdCal_Click);
    connect(m_cmdClear, &QPushButton::clicked, this, &Form1::cmdClear_Click);

    m_ws.setWindows(*this);
    showScreen();
}

Form1::~Form1() { m_ws.resetWindows(); }

QWidget* Form1::buildEntries()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* box = named<QGroupBox>(panel, "frameEntries");
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < 8; ++i) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(indexed("txtAmount", i));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 16);
        if (entryRows[i].hint)
            edit->setToolTip(QString::fromLatin1(entryRows[i].hint));
        makeNumericBox(edit);
        edit->installEventFilter(this); // Enter, Up and Down move between the entries
        m_txtAmount[static_cast<size_t>(i)] = edit;

        auto* caption = new QLabel(QString::fromLatin1(entryRows[i].caption), box);
        caption->setObjectName(indexed("lbEntry", i));
        caption->setBuddy(edit);
        grid->addWidget(caption, i, 0);
        grid->addWidget(edit, i, 2);
    }
    // O.T. at 1X or 2X: the two options sit on the O.T. row.
    m_opt1x = named<QRadioButton>(box, "opt1x", QStringLiteral("(1X)"));
    m_opt2x = named<QRadioButton>(box, "opt2x", QStringLiteral("(2X)"));
    auto* otGroup = new QButtonGroup(box);
    otGroup->addButton(m_opt1x);
    otGroup->addButton(m_opt2x);
    auto* options = new QHBoxLayout;
    options->addWidget(m_opt1x);
    options->addWidget(m_opt2x);
    options->addStretch(1);
    grid->addLayout(options, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 12);
    column->addWidget(box);

    m_ckFedJan = named<QCheckBox>(panel, "ckFedJan", QStringLiteral("Fed Tax Prior to April"));
    column->addWidget(m_ckFedJan);

    // ADD and CLEAR, large: they are pressed once per period.
    auto* commands = new QHBoxLayout;
    m_cmdCal = named<QPushButton>(panel, "cmdCal", QStringLiteral("ADD"));
    m_cmdClear = named<QPushButton>(panel, "cmdClear", QStringLiteral("CLEAR"));
    for (auto* button : {m_cmdCal, m_cmdClear}) {
        button->setFont(scaled(button->font(), 1.3, true));
        button->setMinimumHeight(44);
        button->setAutoDefault(true); // Enter presses the focused button
        commands->addWidget(button);
    }
    // Keys that work from any field: Enter itself moves between the entries.
    m_cmdCal->setShortcut(QKeySequence(Qt::Key_F5));
    m_cmdCal->setToolTip(QStringLiteral("Calculate the pay period (F5)"));
    m_cmdClear->setShortcut(QKeySequence(Qt::Key_F6));
    m_cmdClear->setToolTip(QStringLiteral("Clear the entries and the results (F6)"));
    column->addLayout(commands);

    // The other screens, and the saved pay periods.
    struct Command
    {
        const char* name;
        const char* caption;
        void (Form1::*slot)();
    };
    const std::array<std::array<Command, 3>, 2> rows{{
        {{{"cmdOT", "OT %", &Form1::cmdOT_Click},
          {"cmdYear", "Year to Date", &Form1::mnuYear_Click},
          {"Command1", "Vacation", &Form1::mnuVac_Click}}},
        {{{"cmdSavePrev", "Save This Pay Period", &Form1::cmdSavePrev_Click},
          {"cmdPeriod", "Get Pay Period", &Form1::cmdPeriod_Click},
          {nullptr, nullptr, nullptr}}},
    }};
    for (const auto& commandRow : rows) {
        auto* line = new QHBoxLayout;
        for (const Command& command : commandRow) {
            if (!command.name)
                continue;
            auto* button = new QPushButton(QString::fromLatin1(command.caption), panel);
            button->setObjectName(QString::fromLatin1(command.name));
            connect(button, &QPushButton::clicked, this, command.slot);
            line->addWidget(button);
        }
        column->addLayout(line);
    }
    auto* print = named<QPushButton>(panel, "cmdPrint", QStringLiteral("Print"));
    print->setToolTip(QStringLiteral("Print Sheet"));
    connect(print, &QPushButton::clicked, this, &Form1::mnuPrintSheetItem_Click);
    column->addWidget(print);
    column->addStretch(1);
    return panel;
}

QLabel* Form1::resultLabel(const QString& name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("$0,000,000.00")) + 16);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget* Form1::buildResults()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    for (size_t k = 0; k < m_lbTaxTag.size(); ++k) {
        m_lbTaxTag[k] = new QLabel(panel);
        m_lbTaxTag[k]->setObjectName(indexed("lbTaxTag", static_cast<int>(k)));
    }
    for (size_t i = 0; i < m_lbTaxDed.size(); ++i)
        m_lbTaxDed[i] = resultLabel(indexed("lbTaxDed", static_cast<int>(i)));
    m_lbSDI = resultLabel(QStringLiteral("lbSDI"));
    m_lbSUI = resultLabel(QStringLiteral("lbSUI"));
    m_lbCafe = resultLabel(QStringLiteral("lbCafe"));
    m_Label13 = resultLabel(QStringLiteral("Label13"));
    m_lbTaxes = resultLabel(QStringLiteral("lbTaxes"));
    m_lbDeduct = resultLabel(QStringLiteral("lbDeduct"));
    m_lbNet = resultLabel(QStringLiteral("lbNet"));
    m_lbOverT = resultLabel(QStringLiteral("lbOverT"));
    m_lbTips = resultLabel(QStringLiteral("lbTips"));

    auto group = [&](const QString& name, const std::vector<std::pair<QLabel*, QLabel*>>& rows) {
        auto* box = new QGroupBox(panel);
        box->setObjectName(name);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(0, 1);
        int row = 0;
        for (const auto& [caption, value] : rows) {
            grid->addWidget(caption, row, 0);
            grid->addWidget(value, row, 1);
            ++row;
        }
        return box;
    };

    // Taxes and deductions side by side, the totals below them.
    auto* pair = new QHBoxLayout;
    pair->addWidget(group(QStringLiteral("frameTaxes"), {{m_lbTaxTag[0], m_lbTaxDed[0]},
                                                         {m_lbTaxTag[1], m_lbTaxDed[1]},
                                                         {m_lbTaxTag[2], m_lbTaxDed[2]},
                                                         {m_lbTaxTag[3], m_lbTaxDed[3]},
                                                         {m_lbTaxTag[4], m_lbTaxDed[4]},
                                                         {m_lbTaxTag[14], m_lbSDI},
                                                         {m_lbTaxTag[15], m_lbSUI}}));
    pair->addWidget(group(QStringLiteral("frameDeductions"), {{m_lbTaxTag[5], m_lbTaxDed[5]},
                                                              {m_lbTaxTag[6], m_lbTaxDed[6]},
                                                              {m_lbTaxTag[7], m_lbTaxDed[7]},
                                                              {m_lbTaxTag[8], m_lbTaxDed[8]},
                                                              {m_lbTaxTag[9], m_lbTaxDed[9]},
                                                              {m_lbTaxTag[10], m_lbTaxDed[10]},
                                                              {m_lbTaxTag[16], m_lbCafe}}));
    column->addLayout(pair);

    auto* taxesCaption = named<QLabel>(panel, "lbTaxesTag", QStringLiteral("TAXES"));
    auto* deductCaption = named<QLabel>(panel, "lbDeductTag", QStringLiteral("DEDUCTIONS"));
    auto* totals = group(QStringLiteral("frameTotals"), {{m_lbTaxTag[11], m_lbOverT},
                                                         {m_lbTaxTag[17], m_lbTips},
                                                         {m_lbTaxTag[12], m_Label13},
                                                         {taxesCaption, m_lbTaxes},
                                                         {deductCaption, m_lbDeduct},
                                                         {m_lbTaxTag[13], m_lbNet}});
    // Gross and net stand out.
    for (QLabel* label : {m_lbTaxTag[12], m_Label13, m_lbTaxTag[13], m_lbNet})
        label->setFont(scaled(label->font(), 1.2, true));
    column->addWidget(totals);
    column->addStretch(1);
    return panel;
}

void Form1::buildMenus()
{
    // The menus in order: a row with a menu's object name opens it, a row without a name is a
    // separator, and every other row is an item and its slot. Each top menu has an Alt letter, its
    // first where no other menu has it (Forms takes its "m").
    struct Row
    {
        const char* menu;
        const char* name;
        const char* caption;
        void (Form1::*slot)();
    };
    static constexpr Row kRows[] = {
        {"mnuFileMenu", nullptr, "&File", nullptr},
        {nullptr, "mnuNew", "&New", &Form1::mnuNew_Click},
        {nullptr, "mnuOpen", "&Open", &Form1::mnuOpen_Click},
        {nullptr, "mnuSave", "&Save", &Form1::mnuSave_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "mnuChecks", "C&hecks", &Form1::mnuChecks_Click},
        {nullptr, "mnuPrintSheetItem", "Print Sheet", &Form1::mnuPrintSheetItem_Click},
        {nullptr, "mnuPrintItem", "&Print Image", &Form1::mnuPrintItem_Click},
        {nullptr, "mnuPayday", "Payday Run...", &Form1::mnuPayday_Click},
        {nullptr, "mnuEmployees", "Employees...", &Form1::mnuEmployees_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "mnuBackup", "&Backup...", &Form1::mnuBackup_Click},
        {nullptr, "mnuRestore", "&Restore...", &Form1::mnuRestore_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "mnuClearIitem", "&Clear", &Form1::cmdClear_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "mnuExitItem", "E&xit", nullptr}, // the window's close, which asks to save
        {"mnuFormsMenu", nullptr, "For&ms", nullptr},
        {nullptr, "mnuVac", "&Vacation", &Form1::mnuVac_Click},
        {nullptr, "mnuOtItem", "OT %", &Form1::cmdOT_Click},
        {nullptr, "mnuYear", "&Year to Date", &Form1::mnuYear_Click},
        {"mnuOptionsMenu", nullptr, "&Options", nullptr},
        {nullptr, "mnuHeader", "H&eader", &Form1::mnuHeader_Click},
        {nullptr, "mnuTaxInfoItem", "&User Info", &Form1::mnuTaxInfoItem_Click},
        {nullptr, "mnuEmployer", "E&mployer...", &Form1::mnuEmployer_Click},
        {nullptr, "mnuDeposit", "&Direct Deposit...", &Form1::mnuDeposit_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "mnuState", "S&tate Tax", &Form1::mnuState_Click},
        {nullptr, "mnuCity", "C&ity Tax", &Form1::mnuCity_Click},
        {nullptr, "mnuNonCity", "Non City Tax", &Form1::mnuNonCity_Click},
        {"mnuReportsMenu", nullptr, "&Reports", nullptr},
        {nullptr, "mnuQuarter", "Quarter...", &Form1::mnuQuarter_Click},
        {nullptr, "mnuYearEnd", "Year End (W-2, 940)...", &Form1::mnuYearEnd_Click},
        {"mnuHelpMenu", nullptr, "&Help", nullptr},
        {nullptr, "mnuHelpItem", "He&lp", &Form1::mnuHelpItem_Click},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "mnuAboutItem", "&About", &Form1::mnuAboutItem_Click},
    };
    QMenu* current = nullptr;
    for (const Row& row : kRows) {
        if (row.menu) {
            current = menuBar()->addMenu(QString::fromLatin1(row.caption));
            current->setObjectName(QString::fromLatin1(row.menu));
        } else if (!row.name) {
            current->addSeparator();
        } else {
            QAction* action = current->addAction(QString::fromLatin1(row.caption));
            action->setObjectName(QString::fromLatin1(row.name));
            if (row.slot)
                connect(action, &QAction::triggered, this, row.slot);
        }
    }
    findChild<QAction*>(QStringLiteral("mnuEmployees"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(findChild<QAction*>(QStringLiteral("mnuExitItem")), &QAction::triggered, this, &QWidget::close);
}

void Form1::showScreen() { m_binding->show(); }

void Form1::cmdCal_Click()
{
    m_ws.cmdCal_Click();
    showScreen();
    if (const auto refused = m_ws.refusedEntry()) {
        // The entry that is not a number, selected, so the clerk sees which one.
        QLineEdit* edit = m_txtAmount[*refused];
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        return;
    }
    returnToFirstEntry();
}

void Form1::cmdClear_Click()
{
    m_ws.Clear_All();
    showScreen();
    returnToFirstEntry();
}

void Form1::returnToFirstEntry()
{
    focusAmount(0);
    // A button pressed with the mouse may take the focus back once its click has been handled.
    QTimer::singleShot(0, this, [this] { focusAmount(0); });
}

void Form1::mnuTaxInfoItem_Click()
{
    frmTaxInfo screen(m_ws, this);
    screen.load();
    execOver(screen);
    // Save may have changed the deduction captions and the table notice.
    showScreen();
}

void Form1::mnuNew_Click()
{
    m_ws.mnuNew_Click();
    showScreen();
}

void Form1::mnuOpen_Click()
{
    m_ws.mnuOpen_Click();
    showScreen();
}

void Form1::mnuSave_Click()
{
    m_ws.mnuSave_Click();
    showScreen();
}

void Form1::showSaveUser()
{
    frmSaveUser screen(m_ws, this);
    execOver(screen);
    showScreen();
}

void Form1::closeSecondaryScreens()
{
    if (m_ledger)
        m_ledger->closeLedger();
    for (QWidget* screen : std::initializer_list<QWidget*>{m_state, m_city, m_nonCity, m_checks, m_printSet, m_form2, m_vac})
        if (screen)
            screen->hide();
    m_ws.checks.Unload(); // the check form composes its fields afresh when it opens again
}

void Form1::endApplication()
{
    m_ending = true;
    closeSecondaryScreens();
    if (auto* help = findChild<HelpWindow*>())
        help->close();
    close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_ending) {
        m_ws.mnuExitItem_Click(); // "     SAVE USER'S SETTINGS?"
        endApplication();
    }
    event->accept();
}

void Form1::mnuPrintItem_Click()
{
    // Named after what it shows: the employee and the period date.
    if (!m_ws.op().choosePrinter(printDocumentName(m_ws.userName(), m_ws.form1.txtWeek, "screen")))
        return; // cancelled: nothing is printed
    QPrinter* printer = m_printer ? m_printer() : nullptr;
    if (!printer || !printWindowImage(*this, *printer))
        m_ws.op().message(messages::kWindowNotPrinted, Icon::Exclamation);
}

void Form1::mnuPayday_Click()
{
    // Pays the employees of the working folder; the open employee stays as it is on this form.
    frmPaydayScreen screen(m_ws.op(), m_ws.workingFolder());
    screen.backupWriter = writeTarXz;
    frmPayday dialog(screen, m_device, this);
    execOver(dialog);
}

void Form1::mnuBackup_Click()
{
    const std::filesystem::path folder = m_ws.workingFolder();
    const QString proposed =
        toQt((folder / ("Tallyrin-backup-" + backupStamp().substr(0, 8) + ".tar.xz")).string());
    QWidget* owner = askingWindow(this);
    const QString chosen = QFileDialog::getSaveFileName(owner, QStringLiteral("Backup"), proposed,
                                                        QStringLiteral("Backups (*.tar.xz)"));
    if (chosen.isEmpty())
        return;
    std::string target = toStd(chosen);
    if (!target.ends_with(".tar.xz"))
        target += ".tar.xz";
    const BackupResult made = writeBackup(folder, target, writeTarXz);
    if (made.outcome.failed())
        m_ws.op().message(made.outcome.message(), Icon::Exclamation);
    else
        m_ws.op().message("The payroll folder was backed up: " + std::to_string(made.files) + " files in\r\n" + target,
                          Icon::Information);
}

void Form1::mnuRestore_Click()
{
    const std::filesystem::path folder = m_ws.workingFolder();
    if (std::filesystem::is_directory(folder / kBackupsFolder))
        m_ws.op().openChooserIn(folder / kBackupsFolder);
    const auto chosen = m_ws.op().chooseOpenFile("Backups (*.tar.xz)|*.tar.xz");
    if (!chosen)
        return;
    // The whole archive is read and checked before anything is written.
    const RestorePlan plan = planRestore(folder, readTarXz(*chosen), false);
    if (!plan.problem.empty()) {
        m_ws.op().message(*chosen + " cannot be restored: " + plan.problem + ".\r\nNothing was written.",
                          Icon::Exclamation);
        return;
    }
    if (!plan.changes()) {
        m_ws.op().message("The payroll folder already holds what this backup holds. Nothing was written.",
                          Icon::Information);
        return;
    }
    std::string question;
    for (char c : describeRestore(plan))
        question += c == '\n' ? std::string("\r\n") : std::string(1, c);
    if (!m_ws.op().askYesNo("Restore", question + "The folder as it is now is backed up in Backups first.\r\nRestore?"))
        return;
    const RestoreResult restored = applyRestore(folder, plan, writeTarXz);
    std::string said = restored.done ? "The backup was restored." : "The restore stopped: " + restored.problem;
    if (!restored.backup.empty())
        said += "\r\nThe folder as it was is in " + restored.backup.string();
    m_ws.op().message(said, restored.done ? Icon::Information : Icon::Exclamation);
    // The open employee is read again as restored, without saving what the screens held.
    if (m_ws.employeeOpen())
        m_ws.openEmployee(folder / (m_ws.userName() + ".use"));
    showScreen();
}

void Form1::mnuEmployees_Click()
{
    // The staff of the working folder; the open employee stays as it is unless one is chosen.
    frmStaff list(m_ws.workingFolder(), &m_ws.op(), this);
    if (execOver(list) != QDialog::Accepted || list.chosenUser().empty())
        return;
    m_ws.openListedEmployee(list.chosenUser());
    showScreen();
}

void Form1::showReport(bool year)
{
    frmReport report(m_ws.workingFolder(), year, m_ws.op(), m_device,
                     [this](const std::filesystem::path& file) {
                         return m_openWorkbook ? m_openWorkbook(file) : openInSpreadsheet(file);
                     },
                     this);
    execOver(report);
}

void Form1::mnuQuarter_Click() { showReport(false); }

void Form1::mnuYearEnd_Click() { showReport(true); }

void Form1::mnuYear_Click()
{
    if (!m_ledger) {
        YtdContext context{m_ws.files(), m_ws.profile, [this] { return m_ws.shownPeriod(); },
                           [this] { return m_ws.form1.txtWeek; }, [this] { activateWindow(); }};
        context.calculated = [this] { return m_ws.periodCalculated(); };
        context.writeWorkbook = writeXlsxWorkbook;
        context.openWorkbook = [this](const std::filesystem::path& file) {
            return m_openWorkbook ? m_openWorkbook(file) : openInSpreadsheet(file);
        };
        m_ledger = new MDIForm1(m_ws.ledger, m_ws.op(), std::move(context), this);
        m_ledger->setWindowFlag(Qt::Window);
        m_ledger->setPrintCommand([this] {
            if (m_device)
                m_ws.PrintYr(*m_device);
        });
    }
    m_ledger->showLedger();
}

void Form1::mnuState_Click()
{
    if (!m_state) {
        m_state = new DialogState(m_ws.stateScreen, this);
        m_state->setModal(false);
    }
    if (!m_ws.stateScreen.isOpen())
        m_ws.stateScreen.open();
    m_state->showScreen();
    m_state->show();
    m_state->raise();
}

void Form1::mnuCity_Click()
{
    if (!m_city)
        m_city = new DialogCity(m_ws.cityScreen, m_ws.op(), this);
    m_city->show(); // showing loads the screen unless it is loaded already
    m_city->raise();
}

void Form1::mnuNonCity_Click()
{
    if (!m_nonCity)
        m_nonCity = new DialogNonCity(m_ws.nonCityScreen, m_ws.op(), this);
    m_nonCity->show();
    m_nonCity->raise();
}

void Form1::mnuHelpItem_Click() { showHelp(m_ws.workingFolder(), m_ws.op(), this); }

void Form1::mnuAboutItem_Click()
{
    frmAboutSpcl about(this);
    execOver(about);
}

void Form1::txtWeek_Click()
{
    frmDateMain picker(
        m_ws, [this] { showScreen(); }, this);
    execOver(picker);
    showScreen();
}

void Form1::mnuPrintSheetItem_Click()
{
    if (m_device)
        m_ws.PrintText(*m_device);
    showScreen(); // empty amounts now read "0"
}

void Form1::mnuChecks_Click()
{
    if (!m_checks) {
        m_checks = new frmChecks(m_ws, this);
        connect(m_checks, &frmChecks::printRequested, this, &Form1::mnuPrintCheck_Click);
    }
    if (!m_ws.checks.loaded())
        m_checks->load();
    m_checks->show();
    m_checks->raise();
    m_checks->activateWindow();
}

void Form1::mnuPrintCheck_Click()
{
    if (!m_printSet)
        m_printSet = new dlgPrintSet(
            m_ws, [this] { return m_device; },
            [this] {
                if (m_ledger)
                    m_ledger->hide();
            },
            this);
    // The offsets dialog belongs to the check form it was opened from: it stays above that form
    // when the form is clicked.
    QWidget* owner = m_checks ? static_cast<QWidget*>(m_checks) : static_cast<QWidget*>(this);
    if (m_printSet->parentWidget() != owner)
        m_printSet->setParent(owner, m_printSet->windowFlags());
    m_printSet->load();
    m_printSet->show();
    m_printSet->raise();
}

void Form1::mnuEmployer_Click()
{
    DialogEmployer screen(m_ws.workingFolder(), m_ws.op(), this);
    execOver(screen);
}

void Form1::mnuDeposit_Click()
{
    if (!m_ws.employeeOpen()) {
        m_ws.op().message("Open or save an employee first: the deposit account is the open employee's.",
                          Icon::Exclamation);
        return;
    }
    DialogDeposit screen(m_ws.workingFolder(), m_ws.userName(), m_ws.op(), this);
    execOver(screen);
}

void Form1::mnuHeader_Click()
{
    DialogHeader screen(m_ws, this);
    screen.load();
    execOver(screen);
}

void Form1::cmdOT_Click()
{
    if (!m_form2) {
        m_form2 = new Form2(
            m_ws.overtimeScreen, m_ws.op(), [this] { return m_ws.today(); }, this);
        m_form2->setModal(false);
        m_form2->setPrinterSource(m_printer);
        m_form2->setPrintName([this] { return printDocumentName(m_ws.userName(), m_ws.form1.txtWeek, "overtime"); });
    }
    m_ws.overtimeScreen.open(m_ws.form1.lbOverT, m_ws.form1.txtWeek);
    m_form2->showScreen();
    m_form2->show();
    m_form2->raise();
}

void Form1::mnuVac_Click()
{
    if (!m_vac) {
        m_vac = new DialogVac(
            m_ws.vacScreen, [this] { showHelp(m_ws.workingFolder(), m_ws.op(), this); }, this);
        m_vac->setModal(false);
    }
    m_vac->load();
    m_vac->show();
    m_vac->raise();
}

void Form1::cmdSavePrev_Click()
{
    m_ws.cmdSavePrev_Click();
    showScreen();
}

void Form1::cmdPeriod_Click()
{
    m_ws.cmdPeriod_Click();
    showScreen();
}

void Form1::focusAmount(int index) { m_txtAmount[static_cast<size_t>(index)]->setFocus(Qt::OtherFocusReason); }

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtWeek && event->type() == QEvent::MouseButtonRelease) {
        txtWeek_Click();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // A text box takes some control keys for itself (Ctrl+E moves to the end of the line):
        // the menus' own shortcuts go to the menus from every box of the form.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : menuBar()->findChildren<QAction*>())
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
                return true; // left unaccepted, so the shortcut runs
    }
    if (event->type() == QEvent::KeyPress) {
        const auto found = std::find(m_txtAmount.begin(), m_txtAmount.end(), watched);
        if (found != m_txtAmount.end()) {
            const int index = static_cast<int>(found - m_txtAmount.begin());
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                focusAmount((index + 1) % 8); // the last entry wraps to the first
                return true;
            case Qt::Key_Up:
                if (index > 0)
                    focusAmount(index - 1);
                return true;
            case Qt::Key_Down:
                if (index < 7)
                    focusAmount(index + 1);
                return true;
            default:
                break;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tallyrin
