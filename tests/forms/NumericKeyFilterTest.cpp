// The shared numeric box: key filter, pasted text, select-all on focus.
#include "platform/NumericKeyFilter.h"

#include "forms/FormsTestRegistry.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

namespace tallyrin {

class NumericKeyFilterTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_box = nullptr;
    QLineEdit* m_other = nullptr;
    QComboBox* m_combo = nullptr;

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_box = new QLineEdit(m_window.get());
        m_other = new QLineEdit(m_window.get());
        m_combo = new QComboBox(m_window.get());
        m_combo->setEditable(true);
        m_combo->addItems({QStringLiteral("Single"), QStringLiteral("Married")});
        layout->addWidget(m_box);
        layout->addWidget(m_other);
        layout->addWidget(m_combo);
        makeNumericBox(m_box);
        selectAllOnFocus(m_combo);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_box->setFocus();
    }

    void cleanup() { m_window.reset(); }

    void typedKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "0123456789"
                                << "0123456789";
        QTest::newRow("letters dropped") << "1a2b3"
                                         << "123";
        QTest::newRow("space minus point kept") << "-1 2.5"
                                                << "-1 2.5";
        QTest::newRow("other signs dropped") << "$1,234+e/"
                                             << "1234";
    }

    void typedKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QTest::keyClicks(m_box, typed);
        QCOMPARE(m_box->text(), shown);
    }

    void editingKeysReachTheBox()
    {
        QTest::keyClicks(m_box, QStringLiteral("1234"));
        QTest::keyClick(m_box, Qt::Key_Backspace);
        QCOMPARE(m_box->text(), QStringLiteral("123"));
        QTest::keyClick(m_box, Qt::Key_Home);
        QTest::keyClick(m_box, Qt::Key_Delete);
        QCOMPARE(m_box->text(), QStringLiteral("23"));
        QTest::keyClick(m_box, Qt::Key_Right);
        QTest::keyClicks(m_box, QStringLiteral("x."));
        QCOMPARE(m_box->text(), QStringLiteral("2.3"));
    }

    void pastedTextIsFiltered()
    {
        QApplication::clipboard()->setText(QStringLiteral("1a2"));
        QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_box->text(), QStringLiteral("12"));
        QCOMPARE(m_box->cursorPosition(), 2);

        // Pasted into the middle of a stored value.
        m_box->setText(QStringLiteral("100"));
        m_box->setCursorPosition(1);
        QApplication::clipboard()->setText(QStringLiteral("$5,0"));
        m_box->paste();
        QCOMPARE(m_box->text(), QStringLiteral("15000"));
        QCOMPARE(m_box->cursorPosition(), 3);
    }

    void pastingReportsTheEdit()
    {
        QString edited;
        connect(m_box, &QLineEdit::textEdited, this, [&edited](const QString& text) { edited = text; });
        QApplication::clipboard()->setText(QStringLiteral("7 hours"));
        m_box->paste();
        QCOMPARE(edited, QStringLiteral("7 "));
    }

    void storedTextIsShownAsItIs()
    {
        // A value the program puts into the box is not the operator's typing.
        m_box->setText(QStringLiteral("1E+07"));
        QCOMPARE(m_box->text(), QStringLiteral("1E+07"));
    }

    void focusSelectsWholeText()
    {
        m_box->setText(QStringLiteral("40"));
        m_other->setFocus();
        QTest::keyClick(m_other, Qt::Key_Tab, Qt::ShiftModifier);
        QTRY_COMPARE(m_box->selectedText(), QStringLiteral("40"));

        // By mouse: the click places the cursor, the selection comes after it.
        m_other->setFocus();
        QTRY_VERIFY(m_other->hasFocus());
        QTest::mouseClick(m_box, Qt::LeftButton, {}, QPoint(4, m_box->height() / 2));
        QTRY_COMPARE(m_box->selectedText(), QStringLiteral("40"));
    }

    void comboSelectsWholeText()
    {
        m_combo->setEditText(QStringLiteral("Married"));
        m_other->setFocus();
        QTRY_VERIFY(m_other->hasFocus());
        m_combo->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(m_combo->lineEdit()->selectedText(), QStringLiteral("Married"));

        m_other->setFocus();
        QTRY_VERIFY(m_other->hasFocus());
        QTest::mouseClick(m_combo->lineEdit(), Qt::LeftButton, {}, QPoint(4, m_combo->lineEdit()->height() / 2));
        QTRY_COMPARE(m_combo->lineEdit()->selectedText(), QStringLiteral("Married"));
    }
};

TALLYRIN_FORMS_TEST(NumericKeyFilterTest);

} // namespace tallyrin

#include "NumericKeyFilterTest.moc"
