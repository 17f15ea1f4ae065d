// The binder every form uses: what the operator does writes the bound field and reports an edit;
// show() puts every field into its widget and reports none; a drop-down shows a value outside its
// list as placeholder text and leaves it in the field; table cells bind where the form says.
#include "platform/FormBinding.h"

#include "forms/FormsTestRegistry.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace tallyrin {

class FormBindingTest : public QObject
{
    Q_OBJECT

    struct Model
    {
        std::string amount = "1.50";
        bool exempt = true;
        int16_t noTax = 1;
        bool weekly = false;
        std::string status = "Married";
        std::array<std::string, 2> cells{"7", "8"};
        std::string title = "Smith";
        int heading = 0;
    };

    struct Form
    {
        QWidget window;
        QLineEdit* amount = new QLineEdit(&window);
        QCheckBox* exempt = new QCheckBox(&window);
        QCheckBox* noTax = new QCheckBox(&window);
        QRadioButton* weekly = new QRadioButton(&window);
        QRadioButton* biWeekly = new QRadioButton(&window);
        QComboBox* status = new QComboBox(&window);
        QTableWidget* table = new QTableWidget(2, 2, &window);
        QLabel* heading = new QLabel(&window);
        FormBinding binding;

        explicit Form(Model& m)
        {
            auto* group = new QButtonGroup(&window);
            group->addButton(weekly);
            group->addButton(biWeekly);
            status->addItems({QStringLiteral("Single"), QStringLiteral("Married")});
            for (int r = 0; r < 2; ++r)
                for (int c = 0; c < 2; ++c)
                    table->setItem(r, c, new QTableWidgetItem(QStringLiteral("-")));
            binding.text(amount, m.amount);
            binding.check(exempt, m.exempt);
            binding.check(noTax, m.noTax);
            binding.option(weekly, biWeekly, m.weekly);
            binding.choice(status, m.status);
            // Only the first cell is bound; the others are the table's own.
            binding.cells(table, [&m](int row, int column) -> std::string* {
                return row == 0 && column == 0 ? &m.cells[0] : nullptr;
            });
            binding.title(&window, m.title);
            binding.caption(heading, [&m] { return "Week " + std::to_string(m.heading); });
        }
    };

private slots:
    void showPutsEveryFieldInItsWidgetWithoutAnEdit()
    {
        Model m;
        Form f(m);
        QSignalSpy edits(&f.binding, &FormBinding::edited);
        m.heading = 3;
        f.binding.show();
        QCOMPARE(edits.count(), 0);
        QCOMPARE(f.amount->text(), QStringLiteral("1.50"));
        QVERIFY(f.exempt->isChecked());
        QVERIFY(f.noTax->isChecked());
        QVERIFY(!f.weekly->isChecked());
        QVERIFY(f.biWeekly->isChecked());
        QCOMPARE(f.status->currentText(), QStringLiteral("Married"));
        QCOMPARE(f.table->item(0, 0)->text(), QStringLiteral("7"));
        QCOMPARE(f.table->item(0, 1)->text(), QStringLiteral("-"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Smith"));
        QCOMPARE(f.heading->text(), QStringLiteral("Week 3"));

        // A second show after the program changed the fields: still no edit, nothing written back.
        m = Model{"", false, 0, true, "Single", {"", "8"}, "Jones", 4};
        f.binding.show();
        QCOMPARE(edits.count(), 0);
        QCOMPARE(f.amount->text(), QString());
        QVERIFY(!f.exempt->isChecked() && !f.noTax->isChecked());
        QVERIFY(f.weekly->isChecked() && !f.biWeekly->isChecked());
        QCOMPARE(f.status->currentText(), QStringLiteral("Single"));
        QCOMPARE(f.table->item(0, 0)->text(), QString());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Jones"));
        QCOMPARE(m.cells[0], std::string());
    }

    void whatTheOperatorDoesWritesTheField()
    {
        Model m;
        Form f(m);
        f.binding.show();
        QSignalSpy edits(&f.binding, &FormBinding::edited);
        QTest::keyClicks(f.amount, QStringLiteral("5"));
        QCOMPARE(m.amount, std::string("1.505"));
        f.exempt->click();
        QCOMPARE(m.exempt, false);
        f.noTax->click();
        QCOMPARE(m.noTax, int16_t{0});
        f.weekly->click();
        QCOMPARE(m.weekly, true);
        f.status->setCurrentIndex(0);
        QCOMPARE(m.status, std::string("Single"));
        f.table->item(0, 0)->setText(QStringLiteral("9"));
        f.table->item(0, 1)->setText(QStringLiteral("x"));
        f.table->item(1, 0)->setText(QStringLiteral("y"));
        QCOMPARE(m.cells[0], std::string("9"));
        QCOMPARE(m.cells[1], std::string("8"));
        QCOMPARE(edits.count(), 6);
    }

    void aChoiceOutsideTheListStaysInTheField()
    {
        Model m;
        m.status = "Head of household";
        Form f(m);
        f.binding.show();
        QCOMPARE(f.status->currentIndex(), -1);
        QCOMPARE(f.status->placeholderText(), QStringLiteral("Head of household"));
        QCOMPARE(m.status, std::string("Head of household"));
        QVERIFY(!f.status->isEditable());
        // Choosing from the list replaces it and the placeholder goes at the next show.
        f.status->setCurrentIndex(1);
        f.binding.show();
        QCOMPARE(m.status, std::string("Married"));
        QCOMPARE(f.status->placeholderText(), QString());
    }

    // The kinds the newer screens need: a drop-down typed into, a follow-up after an edit, a box
    // the screen model checks itself, a worked-out enabled state and a date picker.
    void typedDropDownFollowUpShownCheckAndDatePicker()
    {
        struct
        {
            std::string offset = "0";
            std::string days;
            std::string balance;
            bool pressed = true;
            bool frame = false;
            std::string date;
        } m;
        QWidget window;
        auto* offset = new QComboBox(&window);
        offset->addItems({QStringLiteral("+1"), QStringLiteral("0")});
        auto* days = new QLineEdit(&window);
        auto* state = new QCheckBox(&window);
        auto* picker = new QCalendarWidget(&window);
        FormBinding binding;
        binding.editable(offset, m.offset);
        binding.text(days, m.days, [&m] { m.balance = "10 less " + m.days; });
        binding.checked(state, m.pressed);
        binding.enabled(days, [&m] { return m.frame; });
        binding.date(
            picker, m.date, [](const QDate& d) { return d.toString(QStringLiteral("MM/dd/yyyy")).toStdString(); },
            [](const std::string& text) {
                return text.empty() ? QDate(2009, 3, 7)
                                    : QDate::fromString(QString::fromStdString(text), QStringLiteral("MM/dd/yyyy"));
            });
        QSignalSpy edits(&binding, &FormBinding::edited);
        binding.show();
        QCOMPARE(edits.count(), 0);
        QCOMPARE(offset->currentText(), QStringLiteral("0"));
        QVERIFY(state->isChecked());
        QVERIFY(!days->isEnabled());
        QCOMPARE(picker->selectedDate(), QDate(2009, 3, 7));
        QCOMPARE(m.date, std::string()); // placing the picker is not a pick
        QCOMPARE(m.balance, std::string());

        offset->setEditText(QStringLiteral("2.6"));
        QCOMPARE(m.offset, std::string("2.6"));
        offset->setCurrentIndex(0);
        QCOMPARE(m.offset, std::string("+1"));
        days->setText(QStringLiteral("1.5"));
        QCOMPARE(m.balance, std::string("10 less 1.5")); // the field was written before the follow-up
        state->click();
        QCOMPARE(m.pressed, true); // the screen model decides
        picker->setSelectedDate(QDate(2009, 12, 31));
        QCOMPARE(m.date, std::string("12/31/2009"));
        m.date = "";
        binding.commit(picker); // OK takes the date shown
        QCOMPARE(m.date, std::string("12/31/2009"));
        QCOMPARE(edits.count(), 5);
    }
};

TALLYRIN_FORMS_TEST(FormBindingTest);

} // namespace tallyrin

#include "FormBindingTest.moc"
