// The date picker frmDateMain, opened modal from the period date box txtWeek: every date picked
// goes into txtWeek at once, and "Ok" closes the picker.
#pragma once

#include "app/Clock.h"

#include <QDialog>

#include <functional>

class QCalendarWidget;
class QPushButton;

namespace tallyrin {

struct Form1Screen;
class Workspace;

class frmDateMain : public QDialog
{
    Q_OBJECT
public:
    // `refreshWeek` shows the main form's txtWeek again after the picker has written it.
    frmDateMain(Form1Screen& form1, Clock clock, std::function<void()> refreshWeek, QWidget* parent = nullptr);
    frmDateMain(Workspace& ws, std::function<void()> refreshWeek, QWidget* parent = nullptr);

public slots:
    // The picker's change and click: the picked date into txtWeek.
    void DTPicker1_Change();
    // "Ok": the same, then the picker closes.
    void Command1_Click();

protected:
    // Each opening starts the picker at the date in txtWeek (see datePickerStart).
    void showEvent(QShowEvent* event) override;

private:
    Form1Screen& m_form1;
    Clock m_clock;
    std::function<void()> m_refreshWeek;
    QCalendarWidget* m_picker;
    QPushButton* m_ok;
};

} // namespace tallyrin
