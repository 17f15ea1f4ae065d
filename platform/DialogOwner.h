// The window a dialog belongs to, and the keyboard given back to it once the dialog is over.
#pragma once

#include <QPointer>
#include <QWidget>

class QDialog;

namespace tallyrin {

// The window a dialog is asked from: the program's active window (a dialog's own window when one
// dialog asks from another, the ledger when the ledger asks), else the window of `fallback`.
QWidget* askingWindow(QWidget* fallback);

// While it lives, dialogs are asked from `window` whatever window is active: a window that asks
// while it is still coming up (the ledger reading its file as it opens) owns its messages.
class AskingFrom
{
public:
    explicit AskingFrom(QWidget* window);
    ~AskingFrom();
    AskingFrom(const AskingFrom&) = delete;
    AskingFrom& operator=(const AskingFrom&) = delete;

private:
    QPointer<QWidget> m_previous;
};

// Holds the window a dialog belongs to. When the owner goes out of scope that window is activated
// again and the box that had the keyboard gets it back, so the next keys reach it even after
// nested dialogs closed together.
class DialogOwner
{
public:
    explicit DialogOwner(QWidget* window);
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    QWidget* window() const { return m_window; }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

// Runs a dialog modal over the window of its parent, then gives that window the keyboard back.
int execOver(QDialog& dialog);

} // namespace tallyrin
