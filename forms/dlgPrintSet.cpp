#include "forms/dlgPrintSet.h"

#include "platform/Named.h"
#include "platform/QtPrintDevice.h"

#include "session/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {
namespace {

QComboBox* offsetBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : dlgPrintSetScreen::kOffsets)
        box->addItem(QString::fromLatin1(item));
    return box;
}

} // namespace

dlgPrintSet::dlgPrintSet(Workspace& ws, std::function<PrintDevice*()> device, std::function<void()> beforePrint,
                         QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_device(std::move(device))
    , m_beforePrint(std::move(beforePrint))
{
    setObjectName(QStringLiteral("dlgPrintSet"));
    setWindowTitle(QString::fromLatin1(dlgPrintSetScreen::kCaption));
    setModal(false);

    auto* outer = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromLatin1(dlgPrintSetScreen::kHeading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    outer->addWidget(heading);
    auto* lbWeek = named<QLabel>(this, "lbWeek");
    lbWeek->setAlignment(Qt::AlignCenter);
    outer->addWidget(lbWeek);

    auto* grid = new QGridLayout;
    QComboBox* cboHorz = offsetBox("cboHorz", this);
    QComboBox* cboVert = offsetBox("cboVert", this);
    grid->addWidget(new QLabel(QStringLiteral("Horizontal"), this), 0, 0);
    grid->addWidget(cboHorz, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Vertical"), this), 1, 0);
    grid->addWidget(cboVert, 1, 1);
    outer->addLayout(grid);

    auto* instruction = new QLabel(QString::fromLatin1(dlgPrintSetScreen::kInstruction), this);
    instruction->setWordWrap(true);
    outer->addWidget(instruction);
    // Where the check's lowest line falls at the offsets the boxes hold, when it is below the sheet.
    m_fit = named<QLabel>(this, "lbFit");
    m_fit->setWordWrap(true);
    outer->addWidget(m_fit);

    outer->addLayout(buttonsRow(this, {{"cmdApply", QStringLiteral("&Apply"), [this] { cmdApply_Click(); }},
                                       {"OKButton", QStringLiteral("Print Check"), [this] { OKButton_Click(); }},
                                       {"CancelButton", QStringLiteral("&Cancel"), [this] { reject(); }}}));
    setMinimumWidth(380);

    dlgPrintSetScreen& screen = m_ws.printSet;
    m_binding.editable(cboHorz, screen.cboHorz);
    m_binding.editable(cboVert, screen.cboVert);
    m_binding.caption(lbWeek, screen.lbWeek);
    for (QComboBox* box : {cboHorz, cboVert})
        connect(box, &QComboBox::currentTextChanged, this, &dlgPrintSet::showFit);
}

void dlgPrintSet::showFit()
{
    const SheetFit fit = measureOnLetter(m_ws.checkDocument());
    if (fit.linesLeftOut == 0) {
        m_fit->clear();
        return;
    }
    m_fit->setText(QStringLiteral("At these offsets the check's lowest line falls at %1 of the sheet's %2 points: "
                                  "the lines below it are left out (%3 entries).")
                       .arg(qRound(fit.lowestLine))
                       .arg(qRound(fit.sheetHeight))
                       .arg(fit.linesLeftOut));
}

void dlgPrintSet::load()
{
    m_ws.dlgPrintSet_Load();
    showScreen();
}

void dlgPrintSet::showScreen()
{
    m_binding.show();
    showFit();
}

void dlgPrintSet::cmdApply_Click()
{
    m_ws.dlgPrintSet_cmdApply();
}

void dlgPrintSet::OKButton_Click()
{
    if (m_beforePrint)
        m_beforePrint();
    if (PrintDevice* device = m_device ? m_device() : nullptr)
        m_ws.dlgPrintSet_OKButton(*device);
    accept();
}

} // namespace tallyrin
