// The desktop operator: what each dialog shows and what its buttons answer.
#include "platform/QtOperator.h"

#include "forms/FormsTestRegistry.h"
#include "forms/ModalDialogs.h"
#include "support/TempFolder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QTest>
#include <QVBoxLayout>

#include <fstream>

namespace tallyrin {

using testing::onNextModal;

class QtOperatorTest : public QObject
{
    Q_OBJECT

private slots:
    void fileFilter_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("qt");
        QTest::newRow("saved files") << "Saved Files (*.use)|*.use"
                                     << "Saved Files (*.use)";
        QTest::newRow("description without patterns") << "Saved Periods|*.prv"
                                                      << "Saved Periods (*.prv)";
        QTest::newRow("two patterns") << "Employees|*.use;*.prv"
                                      << "Employees (*.use *.prv)";
        QTest::newRow("two filters") << "Saved Files (*.use)|*.use|All Files (*.*)|*.*"
                                     << "Saved Files (*.use);;All Files (*.*)";
    }

    void fileFilter()
    {
        QFETCH(QString, system);
        QFETCH(QString, qt);
        QCOMPARE(qtFileFilter(system.toStdString()), qt);
    }

    void messageShowsTextIconAndApplicationTitle()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Tallyrin 2009"));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        onNextModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        QtOperator op;
        op.message("You have corupted a file.\r\nFind file,\r\nSmith.sta\r\nand delete it.", Icon::Critical);
        QCOMPARE(title, QStringLiteral("Tallyrin 2009"));
        QCOMPARE(text, QStringLiteral("You have corupted a file.\nFind file,\nSmith.sta\nand delete it."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }

    void messageKeepsGivenTitleAndMapsIcons()
    {
        QCOMPARE(qtIcon(Icon::None), QMessageBox::NoIcon);
        QCOMPARE(qtIcon(Icon::Information), QMessageBox::Information);
        QCOMPARE(qtIcon(Icon::Exclamation), QMessageBox::Warning);
        QCOMPARE(qtIcon(Icon::Question), QMessageBox::Question);
        QString title;
        onNextModal([&](QWidget* w) {
            title = w->windowTitle();
            static_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click();
        });
        QtOperator op;
        op.message("<b>not markup</b>", Icon::Exclamation, "Warning");
        QCOMPARE(title, QStringLiteral("Warning"));
    }

    void questionAnswersYesOrNo()
    {
        QtOperator op;
        for (const bool yes : {true, false}) {
            QString title, text;
            onNextModal([&, yes](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                title = box->windowTitle();
                text = box->text();
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            QCOMPARE(op.askYesNo("Save?", "     SAVE USER'S SETTINGS?"), yes);
            QCOMPARE(title, QStringLiteral("Save?"));
            QCOMPARE(text, QStringLiteral("     SAVE USER'S SETTINGS?"));
        }
    }

    void inputBoxGivesTextOrNothingOnCancel()
    {
        QtOperator op;
        QString label;
        onNextModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QInputDialog*>(w);
            QVERIFY(dialog);
            label = dialog->labelText();
            dialog->setTextValue(QStringLiteral("Smith"));
            dialog->accept();
        });
        QCOMPARE(op.inputText("File New", "Enter new user:"), std::optional<std::string>("Smith"));
        QCOMPARE(label, QStringLiteral("Enter new user:"));

        onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        QVERIFY(!op.inputText("File New", "Enter new user:").has_value());

        // OK with nothing typed is an empty name, not a cancel.
        onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
        QCOMPARE(op.inputText("File New", "Enter new user:"), std::optional<std::string>(""));
    }

    void fileChooserUsesFilterAndFollowsTheFolder()
    {
        TempFolder tmp;
        std::ofstream(tmp / "Smith.use") << "x";
        const QString folder = QString::fromStdString(tmp.path().string());
        QtOperator op;
        op.setChooserFolder(folder);
        QStringList filters;
        QString openedIn;
        onNextModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) {
                static_cast<QDialog*>(w)->reject(); // never leave a window open to hang the run
                QFAIL("the file chooser did not open");
            }
            filters = dialog->nameFilters();
            openedIn = dialog->directory().absolutePath();
            // The operator types the file's name. Closing with done() rather than accept(): accept()
            // checks the name against the folder listing, which the chooser reads in a thread of
            // its own, and may refuse before that listing is in.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name)
                name->setText(folder + QStringLiteral("/Smith.use"));
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        const auto chosen = op.chooseOpenFile("Saved Files (*.use)|*.use");
        QCOMPARE(filters, QStringList{QStringLiteral("Saved Files (*.use)")});
        QCOMPARE(openedIn, folder);
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), folder + QStringLiteral("/Smith.use"));
        QCOMPARE(op.chooserFolder(), folder);

        onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        QVERIFY(!op.chooseOpenFile("Saved Files (*.use)|*.use").has_value());
    }

    // Every print is on US Letter, whatever paper the queue defaults to, until a printer dialog
    // chooses another; that choice then stays for the session.
    void printsAskForLetterAndKeepTheChosenPaper()
    {
        QtOperator op;
        QCOMPARE(op.printer().pageLayout().pageSize().id(), QPageSize::Letter);
        op.printer().setPageSize(QPageSize(QPageSize::A4)); // a queue whose default paper is A4
        QCOMPARE(op.printer().pageLayout().pageSize().id(), QPageSize::Letter);
        // The clerk chooses Legal in a dialog: the next prints keep it.
        onNextModal([&op](QWidget* w) {
            op.printer().setPageSize(QPageSize(QPageSize::Legal));
            static_cast<QDialog*>(w)->accept();
        });
        QVERIFY(op.choosePrinter("Smith 1_9_2009 screen"));
        op.printer().setPageSize(QPageSize(QPageSize::A4));
        QCOMPARE(op.printer().pageLayout().pageSize().id(), QPageSize::Legal);
    }

    // The printer dialog proposes a PDF named after what it prints, beside the last PDF written,
    // never the previous document's name.
    void printerDialogProposesTheDocumentsOwnName()
    {
        TempFolder tmp;
        QtOperator op;
        const QString last = QString::fromStdString((tmp.path() / "Payday 12_09_2026 checks.pdf").string());
        op.printer().setOutputFileName(last);
        QString proposed, docName;
        onNextModal([&](QWidget* w) {
            proposed = op.printer().outputFileName();
            docName = op.printer().docName();
            static_cast<QDialog*>(w)->reject();
        });
        QVERIFY(!op.choosePrinter("Smith 1_9_2009 screen"));
        QCOMPARE(docName, QStringLiteral("Smith 1_9_2009 screen"));
        QCOMPARE(proposed, QString::fromStdString((tmp.path() / "Smith 1_9_2009 screen.pdf").string()));
    }

    // A message belongs to the window that asks it, not to the main window, and that window has
    // the keyboard back afterwards, also when a second question was answered from the first
    // dialog (as the printer dialog asks before overwriting a file).
    void dialogsBelongToTheAskingWindowAndGiveTheFocusBack()
    {
        QWidget main;
        main.show();
        QWidget ledger;
        auto* box = new QLineEdit(&ledger);
        new QVBoxLayout(&ledger);
        ledger.layout()->addWidget(box);
        ledger.show();
        ledger.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ledger));
        box->setFocus();

        QWidget* owner = nullptr;
        onNextModal([&](QWidget* dialog) {
            owner = dialog->parentWidget();
            QMessageBox inner(QMessageBox::Question, QStringLiteral("Print"),
                              QStringLiteral("already exists. Do you want to overwrite it?"),
                              QMessageBox::Yes | QMessageBox::No, dialog);
            onNextModal([](QWidget* w) { static_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); });
            inner.exec();
            static_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
        });
        QtOperator op(&main);
        op.message("USE CLOSE INSTEAD");
        QCOMPARE(owner, &ledger);
        QTRY_COMPARE(QApplication::activeWindow(), &ledger);
        QCOMPARE(QApplication::focusWidget(), box);
    }
};

TALLYRIN_FORMS_TEST(QtOperatorTest);

} // namespace tallyrin

#include "QtOperatorTest.moc"
