#include "platform/OffscreenPdf.h"

#include "platform/QtPrintDevice.h"
#include "platform/QtText.h"

#include <QGuiApplication>

namespace tallyrin {

OffscreenPdf::OffscreenPdf(int& argc, char** argv)
    : m_argc(argc)
    , m_argv(argv)
{
}

OffscreenPdf::~OffscreenPdf() = default;

void OffscreenPdf::startApplication()
{
    if (!m_app) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
}

std::unique_ptr<PageStream> OffscreenPdf::openStream(const std::string& path, bool oneSheet, std::string& error)
{
    startApplication();
    return openPdfStream(toQt(path), oneSheet, error);
}

bool OffscreenPdf::write(const PrintDocument& document, const std::string& path, std::string& error)
{
    startApplication();
    const FileOutcome written = writePdf(document, toQt(path));
    error = written.message();
    return !written.failed();
}

} // namespace tallyrin
