#include "platform/OffscreenPdf.h"

#include "platform/PrintFont.h"

#include "platform/QtPrintDevice.h"
#include "platform/QtText.h"

#include <QFont>
#include <QGuiApplication>

#include <iostream>
#include <QTextLayout>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace tallyrin {

namespace {

// A PDF painted on a thread of its own: the run lays each page out into a small document and goes
// on paying while the page is painted and compressed, on the machine's other core. At most a few
// pages wait, so memory stays that of a few pages whatever the length of the print.
class PaintingThread : public PageStream
{
public:
    PaintingThread(const QString& path, bool oneSheet, std::string& error)
    {
        std::promise<std::string> begun;
        auto started = begun.get_future();
        m_worker = std::thread([this, path, oneSheet, &begun] { paint(path, oneSheet, begun); });
        error = started.get();
        if (!error.empty()) {
            m_worker.join();
            m_failed = true;
        }
    }
    ~PaintingThread() override
    {
        if (m_worker.joinable()) {
            std::string ignored;
            finish(ignored);
        }
    }

    bool begun() const { return !m_failed; }

    void setFontName(const std::string& name) override { m_page.setFontName(name); }
    void setFontSize(float points) override { m_page.setFontSize(points); }
    void printText(const std::string& text) override
    {
        m_empty = m_empty && text.empty();
        m_page.printText(text);
    }
    void moveToColumn(int column) override { m_page.moveToColumn(column); }
    void endLine() override { m_page.endLine(); }
    void endDocument() override
    {
        m_page.endDocument();
        hand(std::move(m_page));
        m_page = PrintDocument();
    }
    void setLandscape() override {}

    bool finish(std::string& error) override
    {
        if (!m_page.empty()) {
            hand(std::move(m_page));
            m_page = PrintDocument();
        }
        {
            const std::lock_guard lock(m_mutex);
            m_closing = true;
        }
        m_changed.notify_all();
        if (m_worker.joinable())
            m_worker.join();
        error = m_error;
        return m_error.empty();
    }
    bool empty() const override { return m_empty; }

private:
    static constexpr size_t kWaitingPages = 16;

    void hand(PrintDocument page)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting.size() < kWaitingPages; });
        m_waiting.push_back(std::move(page));
        lock.unlock();
        m_changed.notify_all();
    }

    void paint(const QString& path, bool oneSheet, std::promise<std::string>& begun)
    {
        std::string error;
        std::unique_ptr<PageStream> pdf = openPdfStream(path, oneSheet, error);
        begun.set_value(pdf ? std::string() : error);
        if (!pdf)
            return;
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return !m_waiting.empty() || m_closing; });
            if (m_waiting.empty())
                break;
            PrintDocument page = std::move(m_waiting.front());
            m_waiting.pop_front();
            lock.unlock();
            m_changed.notify_all();
            page.playOnto(*pdf);
        }
        if (!pdf->finish(error))
            m_error = error.empty() ? std::string("the PDF file could not be created") : error;
    }

    PrintDocument m_page; // the page being laid out
    bool m_empty = true;
    bool m_failed = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<PrintDocument> m_waiting;
    bool m_closing = false;
    std::string m_error; // written by the painting thread before it ends
    std::thread m_worker;
};

} // namespace

OffscreenPdf::OffscreenPdf(int& argc, char** argv)
    : m_argc(argc)
    , m_argv(argv)
{
}

OffscreenPdf::~OffscreenPdf() = default;

namespace {

QtMessageHandler g_qtMessages = nullptr;

// The command line runs without a desktop session (a cron job, root): Qt's note that it made
// its own runtime folder then is no news to the clerk, and is left out of standard error.
void quietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (g_qtMessages)
        g_qtMessages(type, context, message);
}

} // namespace

void OffscreenPdf::startApplication()
{
    // A program that already runs a Qt application paints with that one.
    if (!m_app && !QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        g_qtMessages = qInstallMessageHandler(quietQtMessages);
        m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    // The command line says it once, before its first print.
    if (auto font = printFontProblemOnce()) {
        for (size_t at; (at = font->find("\r\n")) != std::string::npos;)
            font->replace(at, 2, " ");
        std::cerr << "tallyrin-calc: " << *font << '\n';
    }
}

std::unique_ptr<PageStream> OffscreenPdf::openStream(const std::string& path, bool oneSheet, std::string& error)
{
    startApplication();
    // The text shaper sets itself up at its first text; done here once, before painting threads
    // start, they never set it up side by side.
    static const bool shaped = [] {
        QTextLayout layout(QStringLiteral("Tallyrin 2009 $1,234.56"), QFont(QStringLiteral("Liberation Sans")));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        return !layout.glyphRuns().isEmpty();
    }();
    (void)shaped;
    auto stream = std::make_unique<PaintingThread>(toQt(path), oneSheet, error);
    if (!stream->begun())
        return nullptr;
    return stream;
}

bool OffscreenPdf::write(const PrintDocument& document, const std::string& path, std::string& error)
{
    startApplication();
    const FileOutcome written = writePdf(document, toQt(path));
    error = written.message();
    return !written.failed();
}

} // namespace tallyrin
