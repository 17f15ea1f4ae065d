// The one key filter of every numeric box: only "0123456789 -." and Backspace are typed, pasted or
// dropped text keeps only those characters, and the box selects its whole text on gaining the focus.
#pragma once

#include <QObject>
#include <QValidator>

class QLineEdit;
class QWidget;

namespace tallyrin {

// The characters a numeric box accepts from the keyboard (Backspace besides).
bool isNumericBoxCharacter(QChar c);

// Drops every other character of a typed key; editing keys (arrows, Delete, Tab, Enter, shortcuts)
// go on to the box's own handlers.
class NumericKeyFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Strips the characters the key filter would drop from text the operator pastes, drops or composes.
// Text the program itself puts into the box (a stored value such as "1E+07") is left as it is.
class NumericTextValidator : public QValidator
{
    Q_OBJECT
public:
    explicit NumericTextValidator(QLineEdit* box);
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* m_box;
};

// Selects the whole text of a line edit, an editable combo box or a spin box when it gains the
// focus, by keyboard or by mouse (the selection is made after the click has placed the cursor).
class SelectAllOnFocus : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Makes a line edit a numeric box: key filter, pasted-text filter and select-all on focus.
void makeNumericBox(QLineEdit* box);
// Select-all on focus alone (text boxes and editable combo boxes).
void selectAllOnFocus(QWidget* widget);

} // namespace tallyrin
