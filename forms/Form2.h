// The overtime and salary form Form2 "OverTime Percentage": two blocks of 26 rows (the second for
// weekly pay only), the salary and percentage boxes, the figures and the five buttons. It binds its
// widgets to the Form2Screen and holds no logic.
#pragma once

#include "app/Clock.h"
#include "platform/FormBinding.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QLineEdit;
class QPrinter;
class QWidget;

namespace tallyrin {

class Form2Screen;
class Operator;

class Form2 : public QDialog
{
    Q_OBJECT
public:
    Form2(Form2Screen& screen, Operator& op, std::function<CalendarDate()> today, QWidget* parent = nullptr);

    // Where "&Print" prints once the printer chooser has said yes.
    void setPrinterSource(std::function<QPrinter*()> printer) { m_printer = std::move(printer); }
    // The name Print proposes for its PDF file: the employee and the period date.
    void setPrintName(std::function<std::string()> name) { m_printName = std::move(name); }
    // Copies every box and label of the screen into the widgets; the second block of rows shows
    // for weekly pay only.
    void showScreen();

public slots:
    void cmdADD_Click();
    void cmdAdvance_Click();
    void cmdUndo_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    void Text1_Click(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBlock(int block);
    void focusCell(int column, int row);

    Form2Screen& m_screen;
    Operator& m_op;
    std::function<CalendarDate()> m_today;
    std::function<QPrinter*()> m_printer;
    std::function<std::string()> m_printName;
    std::array<QLineEdit*, 52> m_Text1{};
    std::array<QLineEdit*, 52> m_txtOT{};
    QWidget* m_secondBlock = nullptr;
    FormBinding m_binding;
};

} // namespace tallyrin
