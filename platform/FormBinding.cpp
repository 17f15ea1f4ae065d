#include "platform/FormBinding.h"

#include "platform/QtText.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <utility>

namespace tallyrin {

FormBinding::FormBinding(QObject* parent)
    : QObject(parent)
{
}

template <class Widget>
void FormBinding::typed(Widget* widget, std::string& field, void (Widget::*changed)(const QString&),
                        QString (Widget::*current)() const, void (Widget::*set)(const QString&))
{
    connect(widget, changed, this, [this, &field](const QString& typedText) {
        if (m_showing)
            return;
        field = toStd(typedText);
        emit edited();
    });
    m_shows.push_back([widget, &field, current, set] {
        const QString shown = toQt(field);
        if ((widget->*current)() != shown)
            (widget->*set)(shown);
    });
}

void FormBinding::text(QLineEdit* box, std::string& field)
{
    typed(box, field, &QLineEdit::textChanged, &QLineEdit::text, &QLineEdit::setText);
}

void FormBinding::text(QLineEdit* box, std::string& field, std::function<void()> afterEdit)
{
    text(box, field);
    connect(box, &QLineEdit::textChanged, this, [this, afterEdit = std::move(afterEdit)] {
        if (!m_showing)
            afterEdit();
    });
}

void FormBinding::check(QAbstractButton* box, bool& field)
{
    connect(box, &QAbstractButton::toggled, this, [this, &field](bool checked) {
        if (m_showing)
            return;
        field = checked;
        emit edited();
    });
    m_shows.push_back([box, &field] { box->setChecked(field); });
}

void FormBinding::check(QAbstractButton* box, int16_t& field)
{
    connect(box, &QAbstractButton::toggled, this, [this, &field](bool checked) {
        if (m_showing)
            return;
        field = checked ? 1 : 0;
        emit edited();
    });
    m_shows.push_back([box, &field] { box->setChecked(field == 1); });
}

void FormBinding::checked(QAbstractButton* box, const bool& field)
{
    m_shows.push_back([box, &field] { box->setChecked(field); });
}

void FormBinding::option(QAbstractButton* yes, QAbstractButton* no, bool& field)
{
    connect(yes, &QAbstractButton::toggled, this, [this, &field](bool checked) {
        if (m_showing)
            return;
        field = checked;
        emit edited();
    });
    m_shows.push_back([yes, no, &field] {
        yes->setChecked(field);
        no->setChecked(!field);
    });
}

void FormBinding::choice(QComboBox* box, std::string& field)
{
    box->setEditable(false);
    connect(box, &QComboBox::currentTextChanged, this, [this, box, &field](const QString& chosen) {
        if (m_showing || box->currentIndex() < 0)
            return;
        field = toStd(chosen);
        emit edited();
    });
    m_shows.push_back([box, &field] {
        const QString value = toQt(field);
        const int index = box->findText(value, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        box->setPlaceholderText(index < 0 ? value : QString());
        box->setCurrentIndex(index);
    });
}

void FormBinding::editable(QComboBox* box, std::string& field)
{
    box->setEditable(true);
    typed(box, field, &QComboBox::currentTextChanged, &QComboBox::currentText, &QComboBox::setEditText);
}

void FormBinding::date(QCalendarWidget* picker, std::string& field, std::function<std::string(const QDate&)> toText,
                       std::function<QDate(const std::string&)> fromText)
{
    const auto pick = [this, picker, &field, toText] {
        if (m_showing)
            return;
        field = toText(picker->selectedDate());
        emit edited();
    };
    connect(picker, &QCalendarWidget::selectionChanged, this, pick);
    connect(picker, &QCalendarWidget::clicked, this, pick);
    m_commits.emplace_back(picker, pick);
    m_shows.push_back([picker, &field, fromText = std::move(fromText)] { picker->setSelectedDate(fromText(field)); });
}

void FormBinding::caption(QLabel* label, const std::string& field)
{
    m_shows.push_back([label, &field] { label->setText(toQt(field)); });
}

void FormBinding::caption(QLabel* label, std::function<std::string()> text)
{
    m_shows.push_back([label, text = std::move(text)] { label->setText(toQt(text())); });
}

void FormBinding::title(QWidget* window, const std::string& field)
{
    m_shows.push_back([window, &field] { window->setWindowTitle(toQt(field)); });
}

void FormBinding::enabled(QWidget* widget, const bool& field)
{
    m_shows.push_back([widget, &field] { widget->setEnabled(field); });
}

void FormBinding::visible(QWidget* widget, const bool& field)
{
    m_shows.push_back([widget, &field] { widget->setVisible(field); });
}

void FormBinding::enabled(QWidget* widget, std::function<bool()> field)
{
    m_shows.push_back([widget, field = std::move(field)] { widget->setEnabled(field()); });
}

void FormBinding::cells(QTableWidget* table, std::function<std::string*(int row, int column)> field)
{
    connect(table, &QTableWidget::itemChanged, this, [this, field](QTableWidgetItem* item) {
        if (m_showing)
            return;
        if (std::string* cell = field(item->row(), item->column())) {
            *cell = toStd(item->text());
            emit edited();
        }
    });
    m_shows.push_back([table, field] {
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const std::string* cell = field(row, column);
                QTableWidgetItem* item = table->item(row, column);
                if (!cell || !item)
                    continue;
                const QString shown = toQt(*cell);
                if (item->text() != shown)
                    item->setText(shown);
            }
        }
    });
}

void FormBinding::show()
{
    m_showing = true;
    for (const auto& showOne : m_shows)
        showOne();
    m_showing = false;
}

void FormBinding::commit(QWidget* widget)
{
    for (const auto& [bound, take] : m_commits)
        if (bound == widget)
            take();
}

} // namespace tallyrin
