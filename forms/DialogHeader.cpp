#include "forms/DialogHeader.h"

#include "platform/Named.h"
#include "platform/NumericKeyFilter.h"

#include "session/Workspace.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {

DialogHeader::DialogHeader(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
{
    setObjectName(QStringLiteral("DialogHeader"));
    setWindowTitle(QString::fromLatin1(DialogHeaderScreen::kCaption));
    auto* outer = new QVBoxLayout(this);
    auto* boxes = new QVBoxLayout;
    for (size_t i = 0; i < DialogHeaderScreen::kDesignTexts.size(); ++i) {
        auto* box = new QLineEdit(QString::fromLatin1(DialogHeaderScreen::kDesignTexts[i]), this);
        box->setObjectName(QStringLiteral("txtHeader_%1").arg(i));
        box->setMinimumWidth(360);
        boxes->addWidget(box);
        m_binding.text(box, m_ws.headerScreen.txtHeader[i]);
        // Every box selects its whole text when it gets the focus, so typing replaces it.
        selectAllOnFocus(box);
    }
    outer->addLayout(boxes);
    outer->addLayout(buttonsRow(this, {{"OKButton", QStringLiteral("OK"), [this] { OKButton_Click(); }},
                                       {"CancelButton", QStringLiteral("Cancel"), [this] { reject(); }}}));
    findChild<QPushButton*>(QStringLiteral("OKButton"))->setDefault(true);
}

void DialogHeader::load()
{
    m_ws.headerScreen.Form_Load(m_ws.workingFolder());
    showScreen();
}

void DialogHeader::showScreen()
{
    m_binding.show();
    // The first box has the focus on opening, its text selected.
    if (auto* first = findChild<QLineEdit*>(QStringLiteral("txtHeader_0"))) {
        first->setFocus();
        first->selectAll();
    }
}

void DialogHeader::OKButton_Click()
{
    if (m_ws.headerScreen.OKButton_Click(m_ws.workingFolder()))
        accept();
}

} // namespace tallyrin
