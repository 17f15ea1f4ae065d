#include "platform/QtPrintDevice.h"

#include "platform/PrintFont.h"

#include "text/FileStore.h"

#include "platform/QtOperator.h"
#include "platform/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QGlyphRun>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextLayout>

#include <algorithm>
#include <map>
#include <unordered_map>

namespace tallyrin {
namespace {

// The system's fonts by the names it prints with.
QString familyFor(const std::string& name)
{
    if (name == "Arial")
        return QStringLiteral("Liberation Sans");
    return toQt(name);
}

// The average character width the print columns are measured in: the classic weighted average of
// the lower-case letters and the space (weights per thousand of English text). It depends only on
// the glyph widths, which Liberation Sans shares with Arial, unlike the font's own stored average.
qreal averageCharWidth(const QFontMetricsF& metrics)
{
    static constexpr int kWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                         56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    qreal sum = 166 * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += kWeights[i] * metrics.horizontalAdvance(QLatin1Char(char('a' + i)));
    return sum / 1000;
}

class PainterSurface : public PrintSurface
{
public:
    PainterSurface(QPainter& painter, QPrinter& printer, bool oneSheet)
        : m_painter(painter)
        , m_printer(printer)
        , m_pageHeight(printer.pageLayout().paintRectPixels(printer.resolution()).height())
        , m_oneSheet(oneSheet)
    {
        m_font.setFamily(familyFor("Arial"));
        m_font.setPointSizeF(10);
        applyFont();
    }

    void setFontName(const std::string& name) override
    {
        m_font.setFamily(familyFor(name));
        applyFont();
    }
    void setFontSize(float points) override
    {
        if (points > 0)
            m_font.setPointSizeF(points);
        applyFont();
    }
    void printText(const std::string& text) override
    {
        if (text.empty())
            return;
        beginPendingPage();
        const ShapedText& shaped = shape(text);
        m_lowest = std::max(m_lowest, m_y + m_metrics.height());
        if (m_y + m_metrics.height() > m_pageHeight && m_y > 0) {
            if (m_oneSheet) {
                ++m_dropped; // below the sheet: left out
                m_x += shaped.width;
                return;
            }
            m_printer.newPage();
            m_y = 0;
        }
        // The glyphs' baseline at the font's ascent below the line's top.
        const QPointF at(m_x, m_y + m_metrics.ascent() - shaped.ascent);
        for (const QGlyphRun& run : shaped.runs)
            m_painter.drawGlyphRun(at, run);
        m_x += shaped.width;
    }
    void moveToColumn(int column) override
    {
        beginPendingPage();
        const qreal target = (std::max(column, 1) - 1) * m_column;
        // A hair of tolerance: text ending exactly at the column counts as before it.
        if (m_x > target + 0.01)
            endLine();
        m_x = target;
    }
    void endLine() override
    {
        beginPendingPage();
        m_x = 0;
        m_y += m_metrics.lineSpacing();
    }
    // A document of several pages (a payday's statements) ends each page with an end document:
    // what follows starts at the top of a new sheet. The last one adds no empty page.
    void endDocument() override { m_pageEnded = true; }
    void setLandscape() override {}

private:
    // A text laid out in the current font once: a payday's thousands of pages repeat the same
    // captions and many of the same amounts, and shaping them again each time was most of the cost
    // of drawing a page.
    static constexpr size_t kShapesKept = 2048;

    struct ShapedText
    {
        QList<QGlyphRun> runs;
        qreal width = 0;  // the advance of the whole text, trailing spaces included
        qreal ascent = 0; // where the runs' baseline lies below their top
    };

    const ShapedText& shape(const std::string& text)
    {
        auto& shapes = *m_shapes;
        auto found = shapes.find(text);
        if (found != shapes.end())
            return found->second;
        // Names and amounts hardly repeat: a full table starts again, so a print of any length
        // keeps at most this many texts while its captions soon come back.
        if (shapes.size() >= kShapesKept)
            shapes.clear();
        const QString q = toQt(text);
        QTextLayout layout(q, m_font, &m_printer);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        ShapedText shaped;
        shaped.runs = layout.glyphRuns();
        shaped.width = m_metrics.horizontalAdvance(q);
        shaped.ascent = line.isValid() ? line.ascent() : m_metrics.ascent();
        return shapes.emplace(text, std::move(shaped)).first->second;
    }

    void beginPendingPage()
    {
        if (!m_pageEnded)
            return;
        m_pageEnded = false;
        m_printer.newPage();
        m_x = 0;
        m_y = 0;
    }
    void applyFont()
    {
        m_painter.setFont(m_font);
        m_metrics = QFontMetricsF(m_font, &m_printer);
        m_shapes = &m_shaped[m_font.key()];
        m_column = averageCharWidth(m_metrics);
    }

public:
    qreal lowest() const { return m_lowest; }
    int dropped() const { return m_dropped; }

private:
    QPainter& m_painter;
    QPrinter& m_printer;
    qreal m_pageHeight;
    bool m_oneSheet;
    qreal m_lowest = 0; // the lowest line's bottom on any page, in device pixels
    int m_dropped = 0;
    QFont m_font;
    QFontMetricsF m_metrics{QFont()};
    std::map<QString, std::unordered_map<std::string, ShapedText>> m_shaped; // by font, then text
    std::unordered_map<std::string, ShapedText>* m_shapes = nullptr;       // the current font's
    qreal m_column = 0;
    qreal m_x = 0;
    qreal m_y = 0;
    bool m_pageEnded = false;
};

// The PDF's title: the name of the file it is written for, also when it is written into the
// temporary twin ".<name>.tmp" beside that file.
QString documentNameFor(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    if (name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".tmp")))
        name = name.mid(1, name.size() - 5);
    return QFileInfo(name).completeBaseName();
}

// A PDF file on the program's sheet (US Letter), titled after the file it is written for.
void setUpPdf(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(path);
    printer.setDocName(documentNameFor(path));
}

// A PDF file painted as its pages are laid out: each page goes to the file at the next page's start.
class PdfPageStream : public PageStream
{
public:
    bool begin(const QString& path, bool oneSheet)
    {
        setUpPdf(m_printer, path);
        m_printer.setPageOrientation(QPageLayout::Portrait);
        if (!m_painter.begin(&m_printer))
            return false;
        m_surface = std::make_unique<PainterSurface>(m_painter, m_printer, oneSheet);
        return true;
    }

    void setFontName(const std::string& name) override { m_surface->setFontName(name); }
    void setFontSize(float points) override { m_surface->setFontSize(points); }
    void printText(const std::string& text) override
    {
        m_empty = m_empty && text.empty();
        m_surface->printText(text);
    }
    void moveToColumn(int column) override { m_surface->moveToColumn(column); }
    void endLine() override { m_surface->endLine(); }
    void endDocument() override { m_surface->endDocument(); }
    void setLandscape() override {}

    bool finish(std::string& error) override
    {
        m_surface.reset();
        if (m_painter.isActive() && m_painter.end())
            return true;
        error = "the PDF file could not be created";
        return false;
    }
    bool empty() const override { return m_empty; }

private:
    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
    std::unique_ptr<PainterSurface> m_surface;
    bool m_empty = true;
};

} // namespace

std::unique_ptr<PageStream> openPdfStream(const QString& path, bool oneSheet, std::string& error)
{
    auto stream = std::make_unique<PdfPageStream>();
    if (stream->begin(path, oneSheet))
        return stream;
    error = "the PDF file could not be created";
    return nullptr;
}

bool renderDocument(const PrintDocument& document, QPrinter& printer, SheetFit* fit)
{
    printer.setPageOrientation(document.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PainterSurface surface(painter, printer, document.pagesKeptToOneSheet());
    document.playOnto(surface);
    if (fit) {
        const qreal toPoints = 72.0 / printer.resolution();
        fit->lowestLine = (printer.pageLayout().paintRectPixels(printer.resolution()).top() + surface.lowest()) * toPoints;
        fit->sheetHeight = printer.pageLayout().fullRectPoints().height();
        fit->linesLeftOut = surface.dropped();
    }
    return painter.end();
}

SheetFit measureOnLetter(const PrintDocument& document)
{
    // Painted onto a PDF of the program's sheet (US Letter) in the system's temporary folder, only
    // to measure it.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("tallyrin-measure-XXXXXX.pdf")));
    SheetFit fit;
    if (!file.open())
        return fit;
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, file.fileName());
    renderDocument(document, printer, &fit);
    return fit;
}

FileOutcome writePdf(const PrintDocument& document, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, path);
    if (renderDocument(document, printer))
        return FileOutcome::done(toStd(path));
    return FileOutcome::writeFailed(toStd(path), {"the PDF file could not be created"});
}

QtPrintDevice::QtPrintDevice(QtOperator& op)
    : m_op(op)
{
}

bool QtPrintDevice::choosePrinter(const std::string& documentName)
{
    m_fresh = m_op.choosePrinter(documentName);
    m_chosenFor = documentName;
    return m_fresh;
}

bool QtPrintDevice::print(const PrintDocument& document, const std::string& documentName)
{
    if (const auto font = printFontProblemOnce())
        m_op.message(*font, Icon::Exclamation);
    QPrinter& printer = m_op.printer();
    // A print without its own dialog (the paycheck) to the PDF file chosen for another document
    // goes to a file of its own beside that one, so it does not overwrite it.
    const bool chosenForThis = m_fresh && documentName == m_chosenFor;
    m_fresh = false;
    if (!chosenForThis)
        m_op.namePrint(documentName);
    // A PDF with no file named yet goes to the working folder, where the file chooser opens.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(QDir(m_op.chooserFolder()).filePath(toQt(documentName) + QStringLiteral(".pdf")));
    const FileOutcome written = paintOntoPrinter(printer, [&] { return renderDocument(document, printer); });
    if (written.failed() && !written.lines.empty())
        m_op.message(written.message(), Icon::Exclamation);
    // A print made without a dialog of its own to a PDF file: the clerk is told where it went.
    if (!written.failed() && !chosenForThis && printer.outputFormat() == QPrinter::PdfFormat)
        m_op.message("The print was saved as the PDF file\r\n" + toStd(QDir::toNativeSeparators(printer.outputFileName())),
                     Icon::Information);
    return !written.failed();
}

FileOutcome paintOntoPrinter(QPrinter& printer, const std::function<bool()>& paint)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return paint() ? FileOutcome::done() : FileOutcome::writeFailed({}, {});
    const QString chosen = printer.outputFileName();
    return writeOutputFile(toStd(chosen), [&](const std::filesystem::path& temporary) -> std::optional<std::string> {
        printer.setOutputFileName(toQt(temporary.string()));
        const bool painted = paint();
        printer.setOutputFileName(chosen);
        if (!painted)
            return std::string("the PDF file could not be created");
        return std::nullopt;
    });
}

} // namespace tallyrin
