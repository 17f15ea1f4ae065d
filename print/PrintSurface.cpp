#include "print/PrintSurface.h"

#include <algorithm>

namespace tallyrin {
namespace {

size_t codePoints(const std::string& text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

class TextSurface : public PrintSurface
{
public:
    void setFontName(const std::string&) override {}
    void setFontSize(float) override {}
    void setLandscape() override {}
    void printText(const std::string& text) override
    {
        m_line += text;
        m_width += codePoints(text);
    }
    void moveToColumn(int column) override
    {
        const size_t target = static_cast<size_t>(std::max(column, 1));
        if (m_width + 1 > target)
            endLine();
        m_line.append(target - 1 - m_width, ' ');
        m_width = target - 1;
    }
    void endLine() override
    {
        const size_t end = m_line.find_last_not_of(' ');
        m_out += m_line.substr(0, end == std::string::npos ? 0 : end + 1);
        m_out += '\n';
        m_line.clear();
        m_width = 0;
    }
    void endDocument() override
    {
        if (!m_line.empty())
            endLine();
        m_out += "\f\n";
    }

    std::string result()
    {
        // An unfinished last line still shows.
        if (!m_line.empty())
            endLine();
        return m_out;
    }

private:
    std::string m_out;
    std::string m_line;
    size_t m_width = 0;
};

} // namespace

bool PrintDocument::landscape() const
{
    return std::any_of(m_ops.begin(), m_ops.end(), [](const PrintOp& op) { return op.kind == PrintOp::Kind::Landscape; });
}

void PrintDocument::playOnto(PrintSurface& surface) const
{
    for (const PrintOp& op : m_ops) {
        switch (op.kind) {
        case PrintOp::Kind::FontName:
            surface.setFontName(op.text);
            break;
        case PrintOp::Kind::FontSize:
            surface.setFontSize(op.size);
            break;
        case PrintOp::Kind::Text:
            surface.printText(op.text);
            break;
        case PrintOp::Kind::Column:
            surface.moveToColumn(op.column);
            break;
        case PrintOp::Kind::EndLine:
            surface.endLine();
            break;
        case PrintOp::Kind::EndDocument:
            surface.endDocument();
            break;
        case PrintOp::Kind::Landscape:
            surface.setLandscape();
            break;
        }
    }
}

std::string textRendering(const PrintDocument& document)
{
    TextSurface text;
    document.playOnto(text);
    return text.result();
}

} // namespace tallyrin
