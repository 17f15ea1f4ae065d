// "Print Out Heading": the four company header boxes and OK / Cancel, bound to the workspace's
// DialogHeaderScreen.
#pragma once

#include "platform/FormBinding.h"

#include <QDialog>

namespace tallyrin {

class Workspace;

class DialogHeader : public QDialog
{
    Q_OBJECT
public:
    explicit DialogHeader(Workspace& ws, QWidget* parent = nullptr);

    // Opening: LoadHeader and the placeholders, then the boxes show the fields.
    void load();
    void showScreen();

public slots:
    void OKButton_Click();

private:
    Workspace& m_ws;
    FormBinding m_binding;
};

} // namespace tallyrin
