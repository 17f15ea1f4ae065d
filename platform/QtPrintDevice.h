// The print model played onto a QPrinter with QPainter: a print column is the average character
// width of the current font, a line its line spacing; "Arial" is drawn with Liberation Sans, which
// has the same metrics. The device shows the printer dialog (installed printers and a PDF file).
#pragma once

#include "print/PrintDevice.h"
#include "text/FileOutcome.h"

#include <functional>

#include <QString>

class QPrinter;

namespace tallyrin {

class QtOperator;

// Where a print's lowest line falls, in points from the top of the sheet, against the sheet's
// height; and how many of its texts a one-sheet document left out below the sheet.
struct SheetFit
{
    double lowestLine = 0;
    double sheetHeight = 0;
    int linesLeftOut = 0;
};

// Paints the document onto the printer, starting a new page when a line would pass the bottom of
// the printable area (a document kept to one sheet a page leaves such lines out). Sets the
// printer's orientation from the document. False when the printer could not be started or
// finished. `fit`, when given, says where the lowest line fell.
bool renderDocument(const PrintDocument& document, QPrinter& printer, SheetFit* fit = nullptr);

// Paints with `paint` onto `printer`. When the printer prints to a PDF file, the file is written as
// every output is: into its temporary twin, renamed over the chosen file once whole; a link,
// device, pipe or folder of that name is refused. Done, or WriteFailed with the reason.
FileOutcome paintOntoPrinter(QPrinter& printer, const std::function<bool()>& paint);

// The document measured on the program's sheet, US Letter.
SheetFit measureOnLetter(const PrintDocument& document);

// The document as the PDF the program would print (US Letter), painted straight into `path`.
// Done, or WriteFailed with the reason.
FileOutcome writePdf(const PrintDocument& document, const QString& path);
// A US Letter PDF written page by page as the print is laid out onto the stream.
std::unique_ptr<PageStream> openPdfStream(const QString& path, bool oneSheet, std::string& error);

class QtPrintDevice : public PrintDevice
{
public:
    // Uses the operator's printer, so "&Print Image" and these prints share the printer last chosen.
    explicit QtPrintDevice(QtOperator& op);

    bool choosePrinter(const std::string& documentName) override;
    bool print(const PrintDocument& document, const std::string& documentName) override;

private:
    QtOperator& m_op;
    // The dialog was accepted for m_chosenFor and that document is still to be printed.
    bool m_fresh = false;
    std::string m_chosenFor;
};

} // namespace tallyrin
