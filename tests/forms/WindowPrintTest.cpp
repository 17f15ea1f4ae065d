// "&Print Image": the window's picture printed onto a page, here a PDF file.
#include "platform/WindowPrint.h"

#include "forms/FormsTestRegistry.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QTest>
#include <QVBoxLayout>

#include <filesystem>

namespace tallyrin {

class WindowPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void printsTheWindowIntoAPdf()
    {
        TempFolder folder;
        QWidget window;
        window.resize(640, 420);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("GROSS PAY  $1,234.56"), &window));

        const QString pdf = QString::fromStdString((folder / "image.pdf").string());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(printWindowImage(window, printer));

        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Image")); // the page holds a picture, not an empty page
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    }

    void unwritablePrinterPrintsNothing()
    {
        TempFolder folder;
        QWidget window;
        window.resize(200, 100);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        // A file inside a folder that does not exist cannot be opened for printing.
        printer.setOutputFileName(QString::fromStdString((folder / "missing" / "image.pdf").string()));
        QVERIFY(!printWindowImage(window, printer));
        QVERIFY(!std::filesystem::exists(folder / "missing"));
    }
};

TALLYRIN_FORMS_TEST(WindowPrintTest);

} // namespace tallyrin

#include "WindowPrintTest.moc"
