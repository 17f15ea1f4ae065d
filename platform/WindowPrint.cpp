#include "platform/WindowPrint.h"

#include "platform/QtText.h"
#include "text/FileStore.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace tallyrin {

namespace {

bool paintWindowImage(const QPixmap& image, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The painter's origin is the top left of the printable area.
    const QSizeF fitted = QSizeF(image.size()).scaled(page.size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF((page.width() - fitted.width()) / 2, 0), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    return painter.end();
}

} // namespace

bool printWindowImage(QWidget& window, QPrinter& printer)
{
    const QPixmap image = window.grab();
    if (image.isNull())
        return false;
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return paintWindowImage(image, printer);
    // A PDF file is written whole into its temporary twin, then put in the chosen file's place; a
    // link, device, pipe or folder of that name is refused.
    const QString chosen = printer.outputFileName();
    const FileOutcome written =
        writeOutputFile(toStd(chosen), [&](const std::filesystem::path& temporary) -> std::optional<std::string> {
            printer.setOutputFileName(toQt(temporary.string()));
            const bool painted = paintWindowImage(image, printer);
            printer.setOutputFileName(chosen);
            if (!painted)
                return std::string("the PDF file could not be created");
            return std::nullopt;
        });
    return !written.failed();
}

} // namespace tallyrin
