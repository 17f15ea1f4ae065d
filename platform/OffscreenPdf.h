// The command line's PDF output: the print model painted by the Qt print adapter on the offscreen
// platform, with no display and no printer. The Qt application is made at the first PDF and ends
// with this object.
#pragma once

#include "print/PrintSurface.h"

#include <memory>
#include <string>

class QGuiApplication;

namespace tallyrin {

class OffscreenPdf
{
public:
    OffscreenPdf(int& argc, char** argv);
    ~OffscreenPdf();
    OffscreenPdf(const OffscreenPdf&) = delete;
    OffscreenPdf& operator=(const OffscreenPdf&) = delete;

    // Paints the document into the PDF file `path`; false with `error` when it could not.
    bool write(const PrintDocument& document, const std::string& path, std::string& error);
    // A PDF file painted page by page as a long print is laid out; nullptr with `error`.
    std::unique_ptr<PageStream> openStream(const std::string& path, bool oneSheet, std::string& error);

private:
    void startApplication();

    int& m_argc;
    char** m_argv;
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace tallyrin
