#include "platform/DialogOwner.h"

#include <QApplication>
#include <QDialog>

namespace tallyrin {

namespace {
QPointer<QWidget>& askingNow()
{
    static QPointer<QWidget> window;
    return window;
}
} // namespace

AskingFrom::AskingFrom(QWidget* window)
    : m_previous(askingNow())
{
    askingNow() = window ? window->window() : nullptr;
}

AskingFrom::~AskingFrom() { askingNow() = m_previous; }

QWidget* askingWindow(QWidget* fallback)
{
    if (QWidget* asking = askingNow(); asking && asking->isVisible())
        return asking;
    for (QWidget* candidate : {QApplication::activeWindow(), QApplication::activeModalWidget()}) {
        if (candidate && candidate->isVisible())
            return candidate;
    }
    return fallback ? fallback->window() : nullptr;
}

DialogOwner::DialogOwner(QWidget* window)
    : m_window(window ? window->window() : nullptr)
    , m_focus(m_window ? m_window->focusWidget() : nullptr)
{
}

DialogOwner::~DialogOwner()
{
    if (!m_window || !m_window->isVisible())
        return;
    m_window->activateWindow();
    if (m_focus && m_focus->isVisible() && m_focus->window() == m_window)
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
}

int execOver(QDialog& dialog)
{
    QWidget* parent = dialog.parentWidget();
    const DialogOwner owner(parent);
    return dialog.exec();
}

} // namespace tallyrin
