#include "cli/CalcCommand.h"

#ifdef TALLYRIN_CLI_PDF
#include "platform/OffscreenPdf.h"
#endif

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TALLYRIN_CLI_PDF
        tallyrin::OffscreenPdf pdf(argc, argv);
        return tallyrin::runCli(
            args, std::cout, std::cerr,
            [&pdf](const tallyrin::PrintDocument& document, const std::string& path, std::string& error) {
                return pdf.write(document, path, error);
            },
            [&pdf](const std::string& path, bool oneSheet, std::string& error) {
                return pdf.openStream(path, oneSheet, error);
            });
#else
        return tallyrin::runCli(args, std::cout, std::cerr);
#endif
    } catch (const std::exception& e) {
        std::cerr << "tallyrin-calc: " << e.what() << '\n';
        return 1;
    }
}
