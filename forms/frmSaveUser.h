// The save screen frmSaveUser ("Save User"), shown modal: the name to save under and the three
// ways out, each handed to the workspace.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tallyrin {

class FormBinding;
class Workspace;

class frmSaveUser : public QDialog
{
    Q_OBJECT
public:
    explicit frmSaveUser(Workspace& ws, QWidget* parent = nullptr);

public slots:
    void cmdSaveUser_Click(); // "&Save"
    void cmdEnd_Click();      // "&No"
    void cmdQuit_Click();     // "&Quit"
    // Escape and the window's close box leave as "&No" does.
    void reject() override;

protected:
    // Each opening shows the workspace's name text, wholly selected.
    void showEvent(QShowEvent* event) override;

private:
    Workspace& m_ws;
    FormBinding* m_binding;
    QLineEdit* m_name;
    // Set once a button has handed the screen's end to the workspace, so that the window closing
    // afterwards (by us, or by the workspace closing every window) is not taken for a second "&No".
    bool m_answered = false;
};

} // namespace tallyrin
