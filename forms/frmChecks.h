// "Check Printing": the check's fields bound to the workspace's frmChecksScreen, composed again on
// a click on the form and whenever it gains the focus; its menu "Print" opens the printer offsets.
#pragma once

#include "platform/FormBinding.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace tallyrin {

class Workspace;

class frmChecks : public QDialog
{
    Q_OBJECT
public:
    explicit frmChecks(Workspace& ws, QWidget* parent = nullptr);

    // Form_Load: the fields composed and the period date put in txtCheckDate.
    void load();
    void showScreen();
    // The click and focus refresh.
    void refresh();

signals:
    // "Print": the printer offset dialog is wanted.
    void printRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLineEdit* field(const char* name, std::string& text);

    Workspace& m_ws;
    FormBinding m_binding;
};

} // namespace tallyrin
