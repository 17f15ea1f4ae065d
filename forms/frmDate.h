// The date picker frmDate of the overtime form: it starts at the row's date (today for an empty
// or unreadable row) and writes every date picked into that row's "Week Ending" box; "&OK" does
// the same and closes.
#pragma once

#include "app/Clock.h"
#include "platform/FormBinding.h"

#include <QDialog>

#include <functional>
#include <string>

class QCalendarWidget;
class QPushButton;

namespace tallyrin {

class frmDate : public QDialog
{
    Q_OBJECT
public:
    // `rowDate` is the row's box text in the overtime form's screen; `refresh` shows it again.
    frmDate(std::string& rowDate, CalendarDate today, std::function<void()> refresh, QWidget* parent = nullptr);

public slots:
    void DTPicker1_Change();
    void cmdOK_Click();

private:
    QCalendarWidget* m_picker;
    QPushButton* m_ok;
    FormBinding m_binding;
};

} // namespace tallyrin
