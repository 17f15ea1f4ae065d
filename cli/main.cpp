#include "cli/CalcCommand.h"

#include <exception>
#include <iostream>

#ifdef TALLYRIN_CLI_PDF
#include "platform/QtPrintDevice.h"
#include "platform/QtText.h"

#include <QGuiApplication>

#include <memory>

namespace {

// The PDF is painted by the Qt print adapter on the offscreen platform: no display, no printer.
// The application is made at the first PDF and ends with main.
tallyrin::PdfWriter offscreenPdf(std::unique_ptr<QGuiApplication>& app, int& argc, char** argv)
{
    return [&app, &argc, argv](const tallyrin::PrintDocument& document, const std::string& path, std::string& error) {
        if (!app) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        }
        QString problem;
        const bool written = tallyrin::writePdf(document, tallyrin::toQt(path), &problem);
        error = tallyrin::toStd(problem);
        return written;
    };
}

} // namespace
#endif

int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TALLYRIN_CLI_PDF
        std::unique_ptr<QGuiApplication> app;
        return tallyrin::runCli(args, std::cout, std::cerr, offscreenPdf(app, argc, argv));
#else
        return tallyrin::runCli(args, std::cout, std::cerr);
#endif
    } catch (const std::exception& e) {
        std::cerr << "tallyrin-calc: " << e.what() << '\n';
        return 1;
    }
}
