// The printed page as the system prints it: a line printer with a font name and size, print
// columns, line ends and the page orientation. Every printed output is a sequence of these calls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tallyrin {

class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(float points) = 0;
    // Prints the text at the current position, which then moves past it.
    virtual void printText(const std::string& text) = 0;
    // A tab: right to column n (1-based) on this line when the position is at or before it,
    // otherwise to column n of the next line.
    virtual void moveToColumn(int column) = 0;
    // To column 1 of the next line; with nothing printed on the line it leaves a blank line.
    virtual void endLine() = 0;
    // Finishes the page and hands it to the printer.
    virtual void endDocument() = 0;
    // Turns the page to landscape; given before anything is printed.
    virtual void setLandscape() = 0;
};

// Shorthands for laying out a print: at(n) moves to column n (ending the line first when it is
// already past n), put prints, at(n, text) does both; font sets the name and size.
struct PrintLines
{
    PrintSurface& out;
    PrintLines& at(int column)
    {
        out.moveToColumn(column);
        return *this;
    }
    PrintLines& put(const std::string& text)
    {
        out.printText(text);
        return *this;
    }
    PrintLines& at(int column, const std::string& text) { return at(column).put(text); }
    void end() { out.endLine(); }
    void blank(int count)
    {
        for (int i = 0; i < count; ++i)
            end();
    }
    void font(float size, const std::string& name = "Arial")
    {
        out.setFontName(name);
        out.setFontSize(size);
    }
};

// One call on a surface, as recorded.
struct PrintOp
{
    enum class Kind
    {
        FontName,
        FontSize,
        Text,
        Column,
        EndLine,
        EndDocument,
        Landscape,
    };
    Kind kind = Kind::Text;
    std::string text; // FontName, Text
    float size = 0;   // FontSize
    int column = 0;   // Column

    friend bool operator==(const PrintOp&, const PrintOp&) = default;
};

// A recording surface: the document is laid out once and then played onto a printer, a PDF or the
// text rendering. Recording first lets a printer learn the orientation before the page begins.
// The calls are kept packed, a few bytes each, since a payday holds a page for every employee.
class PrintDocument : public PrintSurface
{
public:
    void setFontName(const std::string& name) override { addText(PrintOp::Kind::FontName, name); }
    void setFontSize(float points) override;
    void printText(const std::string& text) override { addText(PrintOp::Kind::Text, text); }
    void moveToColumn(int column) override;
    void endLine() override { addKind(PrintOp::Kind::EndLine); }
    void endDocument() override { addKind(PrintOp::Kind::EndDocument); }
    void setLandscape() override
    {
        addKind(PrintOp::Kind::Landscape);
        m_landscape = true;
    }

    // The recorded calls, in order.
    std::vector<PrintOp> ops() const;
    bool empty() const { return m_packed.empty(); }
    bool landscape() const { return m_landscape; }
    // A document whose every page is one sheet of check stock: a line that would fall below the
    // sheet is left out rather than starting a second sheet (a clerk loses a check form each time).
    void keepPagesToOneSheet() { m_oneSheet = true; }
    bool pagesKeptToOneSheet() const { return m_oneSheet; }
    // Repeats every recorded call on `surface`, in order.
    void playOnto(PrintSurface& surface) const;

private:
    void addKind(PrintOp::Kind kind) { m_packed.push_back(static_cast<char>(kind)); }
    void addText(PrintOp::Kind kind, const std::string& text);
    void addCount(uint32_t count);

    // Each call: its kind's byte, then a text as its length and bytes, a size as its four bytes,
    // a column as a count (seven bits a byte, zigzag for the sign).
    std::string m_packed;
    bool m_landscape = false;
    bool m_oneSheet = false;
};

// A print written while it is laid out, page after page, so that a long print (a payday's
// thousands of statements) is never held whole in memory.
class PageStream : public PrintSurface
{
public:
    // Ends the print and its file; false with `error` when the file could not be completed.
    virtual bool finish(std::string& error) = 0;
    // True while nothing was printed.
    virtual bool empty() const = 0;
};

// Opens a page stream writing the file `path`; `oneSheet` as PrintDocument::keepPagesToOneSheet.
// nullptr with `error` when the file cannot be begun.
using PageStreamOpener =
    std::function<std::unique_ptr<PageStream>(const std::string& path, bool oneSheet, std::string& error)>;

// The text rendering: each printed line one text line (ended by "\n", trailing spaces removed);
// column n starts at character n, a move pads with spaces or, past the column, ends the line and
// pads the next; fonts and orientation leave no mark; an end document writes a form feed on a line
// of its own. Characters are counted as UTF-8 code points.
std::string textRendering(const PrintDocument& document);

} // namespace tallyrin
