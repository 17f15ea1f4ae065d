// Where printed documents go: the printer dialog and the printer last chosen there. The desktop
// program prints through Qt; tests and the command line keep the documents.
#pragma once

#include "print/PrintSurface.h"

#include <string>

namespace tallyrin {

class PrintDevice
{
public:
    virtual ~PrintDevice() = default;
    // The printer dialog, offering the installed printers and a PDF file whose name is proposed
    // from `documentName` ("Smith 12_31_2009 statement"). False on Cancel.
    virtual bool choosePrinter(const std::string& documentName) = 0;
    // Prints the document on the printer last chosen (the default printer before any choice).
    // False when the printer failed.
    virtual bool print(const PrintDocument& document, const std::string& documentName) = 0;
};

// "Smith 12_31_2009 statement": the employee, the period date with "/" made "_", and the kind.
std::string printDocumentName(const std::string& userName, const std::string& periodDate, const std::string& kind);

} // namespace tallyrin
