// "Printer Offset": the horizontal and vertical check offsets, "&Apply", "Print Check" and
// "&Cancel", bound to the workspace's dlgPrintSetScreen.
#pragma once

#include "platform/FormBinding.h"

#include <QDialog>

#include <functional>

class QLabel;

namespace tallyrin {

class PrintDevice;
class Workspace;

class dlgPrintSet : public QDialog
{
    Q_OBJECT
public:
    // `device` is where "Print Check" prints; `beforePrint` (may be empty) runs first, to hide the
    // year-to-date window.
    dlgPrintSet(Workspace& ws, std::function<PrintDevice*()> device, std::function<void()> beforePrint,
                QWidget* parent = nullptr);

    // Opening: the profile read again, the stored offsets and the period date shown.
    void load();
    void showScreen();

public slots:
    void cmdApply_Click();
    void OKButton_Click();
    // The line under the boxes that says when the offsets push the check's lines off the sheet.
    void showFit();

private:
    Workspace& m_ws;
    std::function<PrintDevice*()> m_device;
    std::function<void()> m_beforePrint;
    FormBinding m_binding;
    QLabel* m_fit = nullptr;
};

} // namespace tallyrin
