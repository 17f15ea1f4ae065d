// The printed statement through the Qt print adapter (a PDF read back with pdftotext), and the
// check form, printer offset and header screens bound to the workspace.
#include "forms/DialogHeader.h"
#include "forms/FormsFixture.h"
#include "forms/FormsTestRegistry.h"
#include "forms/dlgPrintSet.h"
#include "forms/frmChecks.h"
#include "platform/OffscreenPdf.h"
#include "platform/QtOperator.h"
#include "platform/QtPrintDevice.h"
#include "forms/ModalDialogs.h"
#include "print/PayPrints.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace tallyrin {

class PrintFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void statementPdfKeepsLinesAndColumns()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        EmployeeProfile profile;
        PayPeriodResult result;
        result.PayRate = 12.5f;
        result.Entry.StrHrs = 40;
        PayFormTexts form;
        form.txtAmount = {"40", "0", "0", "0", "0", "0", "0", "0"};
        form.Label13 = "$500.00", form.lbTaxes = "$61.23", form.lbDeduct = "$.00", form.lbNet = "$438.77";
        form.lbTaxDed = {"31.00", "31.00", "7.25", "1,234.56", ".00", ".00", ".00", ".00", ".00", ".00", ".00"};
        YtdTotals ytd;
        ytd.Federal = 310.5f;
        StatementHeading heading;
        heading.header = {"Acme", "1 Main St", "Springfield", "12-3456789"};
        heading.userName = "Smith";
        heading.txtWeek = "12/31/2009";
        heading.today = "12/31/2009";
        heading.version = "1.0.0";
        PrintDocument page;
        PrintText(page, heading, periodFigures(form, profile, result, ytd));

        TempFolder folder;
        const QString pdf = QString::fromStdString((folder / "statement.pdf").string());
        QVERIFY(!writePdf(page, pdf).failed());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\n'));

        // The statement's lines in their order.
        const QStringList expected{"Acme", "Employee:", "TALLYRIN 2009", "Regular1 Earning", "Adjustment",
                                   "Taxes / Deductions", "Federal Tax", "Cafeteria Plan", "Current", "YTD"};
        qsizetype at = 0;
        for (const QString& item : expected) {
            while (at < lines.size() && !lines[at].trimmed().startsWith(item))
                ++at;
            QVERIFY2(at < lines.size(), qPrintable(item));
        }
        // The columns line up: the current amounts start where "Current" starts, the labels where
        // "Taxes / Deductions" starts.
        auto line = [&](const QString& start) {
            for (const QString& l : lines)
                if (l.trimmed().startsWith(start))
                    return l;
            return QString();
        };
        const QString heading2 = line(QStringLiteral("Taxes / Deductions"));
        const qsizetype current = heading2.indexOf(QStringLiteral("Current"));
        QVERIFY(current > 0);
        QCOMPARE(line(QStringLiteral("Federal Tax")).indexOf(QStringLiteral("31.00")), current);
        QCOMPARE(line(QStringLiteral("State Tax")).indexOf(QStringLiteral("1234.56")), current);
        QCOMPARE(line(QStringLiteral("Federal Tax")).indexOf(QStringLiteral("Federal")),
                 heading2.indexOf(QStringLiteral("Taxes")));
        QVERIFY(line(QStringLiteral("Federal Tax")).contains(QStringLiteral("310.50")));
    }

    void checkFormKeepsMemoAndOffsetsApply()
    {
        testing::FormsWorkspace f;
        Workspace& ws = *f.ws;
        ws.result.NetPay = 1234.56f;
        frmChecks form(ws);
        form.load();
        auto* memo = form.findChild<QLineEdit*>(QStringLiteral("txtMemo"));
        auto* dollars = form.findChild<QLineEdit*>(QStringLiteral("txtDollars"));
        auto* payTo = form.findChild<QLineEdit*>(QStringLiteral("txtPayTo"));
        QVERIFY(memo && dollars && payTo && form.findChild<QAction*>(QStringLiteral("mnuPrintCheck")));
        QCOMPARE(dollars->text(), QStringLiteral(" One Thousand Two Hundred Thirty Four and 56/100"));
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtCheckAmt"))->text(), QStringLiteral("**1234.56"));
        QTest::keyClicks(memo, QStringLiteral("Bonus"));
        dollars->setText(QStringLiteral("edited"));
        form.refresh();
        QCOMPARE(memo->text(), QStringLiteral("Bonus"));
        QCOMPARE(dollars->text(), QString::fromStdString(ws.checks.words()));
        QCOMPARE(payTo->text(), QStringLiteral("Employee's Name********"));

        dlgPrintSet offsets(ws, [] { return nullptr; }, {});
        offsets.load();
        auto* horz = offsets.findChild<QComboBox*>(QStringLiteral("cboHorz"));
        QVERIFY(horz);
        QCOMPARE(horz->count(), 11);
        QCOMPARE(horz->itemText(0), QStringLiteral("+5"));
        horz->setCurrentIndex(3); // "+2"
        offsets.findChild<QPushButton*>(QStringLiteral("cmdApply"))->click();
        QCOMPARE(ws.profile.HorzOffset, 2.0f);
    }

    // The paycheck at every offset the dialog offers is one sheet (read back with pdfinfo); at the
    // lowest offsets the dialog says which lines fall below the sheet, and the check and its first
    // stub print whole.
    void paycheckStaysOnOneSheetAtEveryOffset()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        testing::FormsWorkspace f;
        Workspace& ws = *f.ws;
        ws.result.NetPay = 419.22f;
        ws.frmChecks_Load();
        dlgPrintSet offsets(ws, [] { return nullptr; }, {});
        offsets.load();
        auto* fit = offsets.findChild<QLabel*>(QStringLiteral("lbFit"));
        QVERIFY(fit);
        for (int vertical = -5; vertical <= 5; ++vertical) {
            for (int horizontal : {-5, 0, 5}) {
                const QString name = QStringLiteral("%1/%2").arg(horizontal).arg(vertical);
                offsets.findChild<QComboBox*>(QStringLiteral("cboHorz"))->setCurrentText(QString::number(horizontal));
                offsets.findChild<QComboBox*>(QStringLiteral("cboVert"))->setCurrentText(QString::number(vertical));
                const PrintDocument check = ws.checkDocument();
                const QString pdf = QString::fromStdString((f.folder / "check.pdf").string());
                QVERIFY(!writePdf(check, pdf).failed());
                QProcess info;
                info.start(QStringLiteral("pdfinfo"), {pdf});
                QVERIFY(info.waitForFinished(30000));
                QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")),
                         qPrintable(name));
                const SheetFit measured = measureOnLetter(check);
                QCOMPARE(fit->text().isEmpty(), measured.linesLeftOut == 0);
                if (vertical == 5) {
                    QVERIFY2(measured.linesLeftOut > 0, qPrintable(name));
                    QVERIFY(fit->text().contains(QStringLiteral("the lines below it are left out")));
                }
                // What is left out belongs to the second stub only: the check and the first stub
                // print whole. The second stub starts on the line before its "Description" heading.
                const auto& ops = check.ops();
                int descriptions = 0;
                size_t second = ops.size();
                for (size_t i = 0; i < ops.size() && second == ops.size(); ++i)
                    if (ops[i].kind == PrintOp::Kind::Text && ops[i].text.find("Description") != std::string::npos &&
                        ++descriptions == 2)
                        second = i;
                QVERIFY(second < ops.size());
                int endLines = 0;
                while (second > 0 && endLines < 2)
                    endLines += ops[--second].kind == PrintOp::Kind::EndLine;
                int secondStubTexts = 0;
                for (size_t i = second; i < ops.size(); ++i)
                    secondStubTexts += ops[i].kind == PrintOp::Kind::Text;
                QVERIFY2(measured.linesLeftOut <= secondStubTexts, qPrintable(name));
            }
        }
    }

    void headerScreenSavesTheBoxes()
    {
        testing::FormsWorkspace f;
        DialogHeader dialog(*f.ws);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Out Heading"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("txtHeader_1"))->text(), QStringLiteral("Adress"));
        dialog.load(); // as File > Options > Header: loaded, then shown
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* company = dialog.findChild<QLineEdit*>(QStringLiteral("txtHeader_0"));
        QCOMPARE(company->text(), QStringLiteral("Company"));
        // The first box has the focus with its text selected: typing replaces the placeholder.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(company));
        QTest::keyClicks(company, QStringLiteral("Acme, Inc."));
        QCOMPARE(company->text(), QStringLiteral("Acme, Inc."));
        dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        QCOMPARE(QString::fromStdString(fileBytes(f.folder / "Header.sav")),
                 QStringLiteral("\"Acme, Inc.\",\"Address\",\"Zip Code\",\"ID Number\"\r\n"));
    }

    // A long print painted page by page on its own thread comes out as the whole document painted
    // at once: the same pages and the same text, and nothing left beside the file.
    void pagedPdfMatchesTheWholeDocument()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        int argc = 0;
        OffscreenPdf painter(argc, nullptr);
        TempFolder folder;
        const std::string paged = (folder / "paged.pdf").string();
        std::string error;
        auto stream = painter.openStream(paged, true, error);
        QVERIFY2(stream, error.c_str());
        PrintDocument whole;
        whole.keepPagesToOneSheet();
        QVERIFY(stream->empty());
        for (int page = 1; page <= 40; ++page) {
            for (PrintSurface* out : {static_cast<PrintSurface*>(stream.get()), static_cast<PrintSurface*>(&whole)}) {
                out->setFontName("Arial");
                out->setFontSize(page % 2 ? 10 : 12);
                out->printText("Page " + std::to_string(page));
                out->moveToColumn(40);
                out->printText(std::to_string(page * 1234.5));
                for (int line = 0; line < 70; ++line) // the last lines fall below the sheet
                    out->endLine();
                out->printText("below the sheet");
                out->endDocument();
            }
        }
        QVERIFY(!stream->empty());
        QVERIFY2(stream->finish(error), error.c_str());
        const QString wholeFile = QString::fromStdString((folder / "whole.pdf").string());
        QVERIFY(!writePdf(whole, wholeFile).failed());
        const auto text = [](const QString& file) {
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
            p.waitForFinished(30000);
            return p.readAllStandardOutput();
        };
        const QByteArray pagedText = text(QString::fromStdString(paged));
        QCOMPARE(pagedText.count('\f'), 40);
        QVERIFY(!pagedText.contains("below the sheet"));
        QVERIFY(pagedText.contains("Page 40"));
        QCOMPARE(pagedText, text(wholeFile));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);

        // A file that cannot be begun: no stream, and why.
        QVERIFY(!painter.openStream((folder / "no-such-folder" / "x.pdf").string(), false, error));
        QVERIFY(!error.empty());
    }

    // A print made without a dialog of its own (the paycheck) to a PDF file: the file is in the
    // working folder when no other was chosen, and the clerk is told where it went.
    void aPrintWithoutItsDialogSaysWhereItWent()
    {
        TempFolder folder;
        QtOperator op;
        op.setChooserFolder(QString::fromStdString(folder.path().string()));
        op.printer().setOutputFormat(QPrinter::PdfFormat);
        op.printer().setOutputFileName(QString());
        QtPrintDevice device(op);
        PrintDocument check;
        check.setFontName("Arial");
        check.printText("***327.43");
        check.endDocument();
        QString said;
        testing::onNextModal([&](QWidget* dialog) {
            said = static_cast<QMessageBox*>(dialog)->text();
            static_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click();
        });
        QVERIFY(device.print(check, "Check Smith 01_09_2009"));
        const auto file = folder / "Check Smith 01_09_2009.pdf";
        QVERIFY(std::filesystem::exists(file));
        QVERIFY2(said.contains(QString::fromStdString(file.string())), qPrintable(said));
    }
};

TALLYRIN_FORMS_TEST(PrintFormsTest);

} // namespace tallyrin

#include "PrintFormsTest.moc"
