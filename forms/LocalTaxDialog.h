// What the city and the non-city windows share: the screen model they are bound to, loading it
// when shown, "&SAVE" (closes when the model saved, otherwise shows its texts again), "&CANCEL"
// (Escape and the window's close too), the row of buttons and the numeric table boxes.
#pragma once

#include "platform/FormBinding.h"
#include "platform/Named.h"
#include "platform/NumericKeyFilter.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tallyrin {

class Operator;

// A centred label, bold when asked.
inline QLabel* centredLabel(const QString& text, QWidget* parent, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

template <class Screen> class LocalTaxDialog : public QDialog
{
public:
    // Copies every text of the screen model into the widgets.
    void showScreen() { m_binding->show(); }
    // "&SAVE"
    void OKButton_Click()
    {
        if (m_screen.OKButton_Click())
            accept();
        else
            showScreen();
    }
    // "&CANCEL", Escape and the window's close.
    void reject() override
    {
        m_screen.CancelButton_Click();
        QDialog::reject();
    }

protected:
    // The window named `name` with its title, a column holding first a row for the tables.
    LocalTaxDialog(Screen& screen, Operator& op, QWidget* parent, const char* name, const char* title)
        : QDialog(parent)
        , m_screen(screen)
        , m_op(op)
        , m_binding(new FormBinding(this))
        , m_outer(new QVBoxLayout(this))
        , m_tables(new QHBoxLayout)
    {
        setObjectName(QString::fromLatin1(name));
        setWindowTitle(QString::fromLatin1(title));
        m_outer->addLayout(m_tables);
    }

    // Showing the window loads the screen model (unless it is loaded still) and shows its texts.
    void showEvent(QShowEvent* event) override
    {
        m_screen.show();
        showScreen();
        QDialog::showEvent(event);
    }

    // Runs one of the screen model's buttons, then shows its texts.
    void click(void (Screen::*button)())
    {
        (m_screen.*button)();
        showScreen();
    }

    // The screen's own buttons, then "&SAVE" and "&CANCEL", right-aligned, none of them taking Enter.
    QHBoxLayout* buttonRow(std::initializer_list<NamedButton> own)
    {
        std::vector<NamedButton> buttons(own);
        buttons.push_back({"OKButton", QStringLiteral("&SAVE"), [this] { OKButton_Click(); }});
        buttons.push_back({"CancelButton", QStringLiteral("&CANCEL"), [this] { reject(); }});
        QHBoxLayout* row = buttonsRow(this, buttons);
        for (QPushButton* b : this->template findChildren<QPushButton*>())
            b->setAutoDefault(false);
        return row;
    }

    // A right-aligned numeric box bound to `field`, wide enough for "0000000.000".
    QLineEdit* numericBox(const QString& name, std::string& field)
    {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        makeNumericBox(box);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.000")) + 16);
        m_binding->text(box, field);
        return box;
    }

    Screen& m_screen;
    Operator& m_op;
    FormBinding* m_binding;
    QVBoxLayout* m_outer;
    QHBoxLayout* m_tables;
};

} // namespace tallyrin
