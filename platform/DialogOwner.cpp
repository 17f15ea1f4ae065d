#include "platform/DialogOwner.h"

#include <QApplication>
#include <QDialog>

namespace tallyrin {

QWidget* askingWindow(QWidget* fallback)
{
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
