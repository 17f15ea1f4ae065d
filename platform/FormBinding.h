// Binds a form's widgets to the fields of its screen model. What the operator types or clicks
// goes into the field at once; show() copies every field back into its widget, and the changes
// it makes are not taken for the operator's (no echo). Every form binds through one of these.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QCalendarWidget;
class QDate;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace tallyrin {

class FormBinding : public QObject
{
    Q_OBJECT
public:
    explicit FormBinding(QObject* parent = nullptr);

    // A text box: the operator's edits write `field`.
    void text(QLineEdit* box, std::string& field);
    // A text box whose edits the screen model follows up at once (a balance worked out again):
    // `afterEdit` runs after each of the operator's edits has reached the field.
    void text(QLineEdit* box, std::string& field, std::function<void()> afterEdit);
    // A check box or option button; the 16-bit form holds 1 for checked and 0 for not.
    void check(QAbstractButton* box, bool& field);
    void check(QAbstractButton* box, int16_t& field);
    // A check box whose press the screen model handles itself (it checks and unchecks the field):
    // the box only shows the field.
    void checked(QAbstractButton* box, const bool& field);
    // Two option buttons of one group that stand for one field: `yes` checked is true, `no`
    // checked is false.
    void option(QAbstractButton* yes, QAbstractButton* no, bool& field);
    // A drop-down that chooses from its list only. A field holding a value outside the list is
    // left as it is and shown greyed in the closed box.
    void choice(QComboBox* box, std::string& field);
    // A drop-down the operator may also type into: the text typed or the item chosen.
    void editable(QComboBox* box, std::string& field);
    // A calendar: show() places it at `fromText(field)`, which is not a pick; each date the
    // operator picks (a new one, or a click on the one selected) is written as `toText` makes it.
    void date(QCalendarWidget* picker, std::string& field, std::function<std::string(const QDate&)> toText,
              std::function<QDate(const std::string&)> fromText);
    // Shown only: a label's caption, and whether a widget is enabled or visible.
    void caption(QLabel* label, const std::string& field);
    // A caption the screen model works out each time it is shown.
    void caption(QLabel* label, std::function<std::string()> text);
    // A window's title bar.
    void title(QWidget* window, const std::string& field);
    void enabled(QWidget* widget, const bool& field);
    void visible(QWidget* widget, const bool& field);
    // Enabled as the screen model works it out each time it is shown.
    void enabled(QWidget* widget, std::function<bool()> field);
    // The cells of a table: `field(row, column)` names the field a cell shows and the operator's
    // edits of it write, or is nullptr for a cell the table keeps for itself (headings, labels).
    void cells(QTableWidget* table, std::function<std::string*(int row, int column)> field);

    // Copies every bound field into its widget.
    void show();
    // Takes what a bound widget shows into its field as though the operator had just chosen it
    // (a date picker's OK takes the date it opened at).
    void commit(QWidget* widget);
    // True while show() runs: a change seen then is the program's, not the operator's.
    bool showing() const { return m_showing; }

signals:
    // After the operator changed a bound field.
    void edited();

private:
    // Typing in `widget` (its `changed` signal) goes into `field`; showing puts `field` back
    // through `set` when `current` differs.
    template <class Widget>
    void typed(Widget* widget, std::string& field, void (Widget::*changed)(const QString&),
               QString (Widget::*current)() const, void (Widget::*set)(const QString&));

    std::vector<std::function<void()>> m_shows;
    std::vector<std::pair<QWidget*, std::function<void()>>> m_commits;
    bool m_showing = false;
};

} // namespace tallyrin
