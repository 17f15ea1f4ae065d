#include "forms/frmPayday.h"

#include "screens/frmPaydayScreen.h"
#include "platform/Named.h"
#include "platform/FormBinding.h"
#include "platform/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QFileDialog>
#include <QTableWidget>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>
#include <vector>

namespace tallyrin {
namespace {

template <size_t N>
QTableWidget* table(const char* name, const std::array<const char*, N>& headings, QWidget* parent)
{
    auto* t = new QTableWidget(0, static_cast<int>(N), parent);
    t->setObjectName(QString::fromLatin1(name));
    QStringList labels;
    for (const char* h : headings)
        labels << QString::fromLatin1(h);
    t->setHorizontalHeaderLabels(labels);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->setVisible(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

} // namespace

frmPayday::frmPayday(frmPaydayScreen& screen, PrintDevice* device, QWidget* parent)
    : QDialog(parent)
    , m_screen(screen)
    , m_device(device)
    , m_binding(new FormBinding(this))
{
    setObjectName(QStringLiteral("frmPayday"));
    setWindowTitle(QString::fromLatin1(frmPaydayScreen::kCaption));
    resize(900, 640);

    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    auto* folder = named<QLabel>(this, "lbFolder");
    m_binding->caption(folder, m_screen.lbFolder);
    form->addRow(QStringLiteral("Employees' folder:"), folder);

    // A file's row: its name as a caption, then its buttons.
    auto fileRow = [this, form](const char* caption, const char* name, std::string& file,
                                std::initializer_list<std::pair<const char*, const char*>> buttons) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        m_binding->caption(label, file);
        row->addWidget(label, 1);
        std::vector<QPushButton*> made;
        for (const auto& [buttonName, buttonCaption] : buttons) {
            made.push_back(new QPushButton(QString::fromLatin1(buttonCaption), this));
            made.back()->setObjectName(QString::fromLatin1(buttonName));
            row->addWidget(made.back());
        }
        form->addRow(QString::fromLatin1(caption), row);
        return made;
    };
    QPushButton* choose = fileRow("Hours sheet:", "lbSheet", m_screen.lbSheet, {{"cmdChoose", "Choose Sh&eet..."}})[0];

    auto* date = named<QLineEdit>(this, "txtDate");
    date->setMaxLength(10);
    date->setToolTip(QStringLiteral("The period date of rows without a date of their own (MM/DD/YYYY)"));
    m_binding->text(date, m_screen.txtDate);
    form->addRow(QStringLiteral("Period date:"), date);

    auto* options = new QHBoxLayout;
    auto check = [this, options](const char* name, const char* caption, bool& field) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        m_binding->check(box, field);
        options->addWidget(box);
    };
    check("ckPaste", "Paste into the ledger week", m_screen.ckPaste);
    check("ckOverwrite", "Replace a week already pasted", m_screen.ckOverwrite);
    check("ckFedJan", "Fed Tax Prior to April", m_screen.ckFedJan);
    options->addStretch(1);
    form->addRow(QStringLiteral("Options:"), options);

    const auto depositButtons = fileRow("Direct deposit:", "lbDepositFile", m_screen.lbDepositFile,
                                        {{"cmdDepositFile", "&Deposit File..."}, {"cmdChecksOnly", "Checks &Only"}});
    QPushButton *deposit = depositButtons[0], *checksOnly = depositButtons[1];
    deposit->setToolTip(QStringLiteral("Employees with a deposit account are paid into it, with no check"));
    checksOnly->setToolTip(QStringLiteral("No deposit file: everyone gets a check"));
    m_screen.chooseSaveFile = [this](const std::string& proposed) -> std::optional<std::string> {
        const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Deposit File for the Bank"),
                                                            toQt(proposed), QStringLiteral("ACH Files (*.ach);;All Files (*)"));
        if (chosen.isEmpty())
            return std::nullopt;
        return toStd(chosen);
    };
    connect(deposit, &QPushButton::clicked, this, [this] {
        m_screen.cmdDepositFile_Click();
        showScreen();
    });
    connect(checksOnly, &QPushButton::clicked, this, [this] {
        m_screen.cmdChecksOnly_Click();
        showScreen();
    });
    connect(m_binding, &FormBinding::edited, this, [this] {
        m_screen.optionsChanged();
        showScreen();
    });

    m_rows = table("grdRows", frmPaydayScreen::kRowHeadings, this);
    outer->addWidget(m_rows, 1);

    auto* runRow = new QHBoxLayout;
    auto* run = named<QPushButton>(this, "cmdRun", QStringLiteral("&Run"));
    m_binding->enabled(run, m_screen.canRun);
    runRow->addWidget(run);
    m_progress = named<QProgressBar>(this, "prgRun");
    m_progress->setValue(0);
    runRow->addWidget(m_progress, 1);
    outer->addLayout(runRow);

    m_summary = table("grdSummary", frmPaydayScreen::kSummaryHeadings, this);
    outer->addWidget(m_summary, 1);
    auto* totals = named<QLabel>(this, "lbTotals");
    m_binding->caption(totals, m_screen.lbTotals);
    outer->addWidget(totals);

    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    auto button = [this, buttons](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* statements = button("cmdPrintStatements", "Print &Statements...");
    QPushButton* checks = button("cmdPrintChecks", "Print C&hecks...");
    m_binding->enabled(statements, m_screen.canPrint);
    m_binding->enabled(checks, m_screen.canPrint);
    buttons->addStretch(1);
    QPushButton* close = button("cmdClose", "&Close");

    connect(choose, &QPushButton::clicked, this, [this] {
        m_screen.cmdChoose_Click();
        showScreen();
    });
    connect(run, &QPushButton::clicked, this, [this] {
        m_screen.cmdRun_Click([this](int done, int total) {
            m_progress->setMaximum(total);
            m_progress->setValue(done);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        showScreen();
    });
    connect(statements, &QPushButton::clicked, this, [this] {
        if (m_device)
            m_screen.cmdPrintStatements_Click(*m_device);
    });
    connect(checks, &QPushButton::clicked, this, [this] {
        if (m_device)
            m_screen.cmdPrintChecks_Click(*m_device);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showScreen();
}

void frmPayday::fillTables()
{
    auto fill = [](QTableWidget* table, const auto& rows) {
        table->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                table->setItem(r, c, new QTableWidgetItem(toQt(rows[static_cast<size_t>(r)][static_cast<size_t>(c)])));
    };
    fill(m_rows, m_screen.rows);
    fill(m_summary, m_screen.summary);
}

void frmPayday::showScreen()
{
    m_binding->show();
    fillTables();
}

} // namespace tallyrin
