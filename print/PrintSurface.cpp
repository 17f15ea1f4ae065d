#include "print/PrintSurface.h"

#include <algorithm>
#include <cstring>

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

void PrintDocument::addCount(uint32_t count)
{
    do {
        const auto low = static_cast<unsigned char>(count & 0x7fu);
        count >>= 7;
        m_packed.push_back(static_cast<char>(count ? low | 0x80u : low));
    } while (count);
}

void PrintDocument::addText(PrintOp::Kind kind, const std::string& text)
{
    addKind(kind);
    addCount(static_cast<uint32_t>(text.size()));
    m_packed += text;
}

void PrintDocument::setFontSize(float points)
{
    addKind(PrintOp::Kind::FontSize);
    char bytes[sizeof points];
    std::memcpy(bytes, &points, sizeof points);
    m_packed.append(bytes, sizeof points);
}

void PrintDocument::moveToColumn(int column)
{
    addKind(PrintOp::Kind::Column);
    const auto bits = static_cast<uint32_t>(column);
    addCount(column < 0 ? ~(bits << 1) : bits << 1);
}

namespace {

// Reads the packed calls back, one at a time.
class Unpacker
{
public:
    explicit Unpacker(const std::string& packed)
        : m_packed(packed)
    {
    }
    bool next(PrintOp& op)
    {
        if (m_at >= m_packed.size())
            return false;
        op.kind = static_cast<PrintOp::Kind>(m_packed[m_at++]);
        op.text.clear();
        op.size = 0;
        op.column = 0;
        switch (op.kind) {
        case PrintOp::Kind::FontName:
        case PrintOp::Kind::Text: {
            const uint32_t length = count();
            op.text.assign(m_packed, m_at, length);
            m_at += length;
            break;
        }
        case PrintOp::Kind::FontSize:
            std::memcpy(&op.size, m_packed.data() + m_at, sizeof op.size);
            m_at += sizeof op.size;
            break;
        case PrintOp::Kind::Column: {
            const uint32_t zigzag = count();
            op.column = static_cast<int>((zigzag & 1u) ? ~(zigzag >> 1) : zigzag >> 1);
            break;
        }
        default:
            break;
        }
        return true;
    }

private:
    uint32_t count()
    {
        uint32_t value = 0;
        for (int shift = 0; m_at < m_packed.size(); shift += 7) {
            const auto byte = static_cast<unsigned char>(m_packed[m_at++]);
            value |= static_cast<uint32_t>(byte & 0x7fu) << shift;
            if (!(byte & 0x80u))
                break;
        }
        return value;
    }

    const std::string& m_packed;
    size_t m_at = 0;
};

} // namespace

std::vector<PrintOp> PrintDocument::ops() const
{
    std::vector<PrintOp> out;
    Unpacker calls(m_packed);
    for (PrintOp op; calls.next(op);)
        out.push_back(op);
    return out;
}

void PrintDocument::playOnto(PrintSurface& surface) const
{
    Unpacker calls(m_packed);
    for (PrintOp op; calls.next(op);) {
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
