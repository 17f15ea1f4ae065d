#include "platform/WindowPrint.h"

#include "platform/QtPrintDevice.h"

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
    return !paintOntoPrinter(printer, [&] { return paintWindowImage(image, printer); }).failed();
}

} // namespace tallyrin
