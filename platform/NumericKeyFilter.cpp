#include "platform/NumericKeyFilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace tallyrin {

namespace {

const QString numericCharacters = QStringLiteral("0123456789 -.");

void selectAllNow(QObject* target)
{
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(target)) {
        spin->selectAll();
    }
}

} // namespace

bool isNumericBoxCharacter(QChar c) { return numericCharacters.contains(c); }

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Keys without a printable character (arrows, Delete, Backspace, Tab, Enter) and shortcuts
        // (Ctrl+V, Ctrl+A ...) belong to the box; a typed character outside the set is dropped.
        // Ctrl+Alt together is AltGr on some keyboards, which types characters.
        const auto mods = key->modifiers();
        const bool shortcut = (mods & (Qt::ControlModifier | Qt::MetaModifier)) &&
                              !((mods & Qt::ControlModifier) && (mods & Qt::AltModifier));
        const bool printable =
            !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
        if (!shortcut && printable && !std::all_of(text.begin(), text.end(), isNumericBoxCharacter))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

NumericTextValidator::NumericTextValidator(QLineEdit* box)
    : QValidator(box)
    , m_box(box)
{
}

QValidator::State NumericTextValidator::validate(QString& input, int& pos) const
{
    // The box's text is "modified" only after the operator's own edits; a text set by the program
    // resets that state, so stored values are shown as they are.
    if (!m_box->isModified())
        return Acceptable;
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (isNumericBoxCharacter(input[i])) {
            kept.append(input[i]);
            if (i < pos)
                ++keptBeforeCursor;
        }
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // Deferred: a mouse click places the cursor after the focus arrives and would undo an
        // immediate selection.
        QObject* target = watched;
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget()))
                target = combo;
        }
        QTimer::singleShot(0, target, [target = QPointer<QObject>(target)] {
            if (target)
                selectAllNow(target);
        });
    }
    return QObject::eventFilter(watched, event);
}

void makeNumericBox(QLineEdit* box)
{
    box->installEventFilter(new NumericKeyFilter(box));
    box->setValidator(new NumericTextValidator(box));
    selectAllOnFocus(box);
}

void selectAllOnFocus(QWidget* widget)
{
    auto* filter = new SelectAllOnFocus(widget);
    widget->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->lineEdit())
            combo->lineEdit()->installEventFilter(filter);
    }
}

} // namespace tallyrin
