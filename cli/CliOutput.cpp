#include "cli/CliOutput.h"

#include "text/FileStore.h"

#include <cctype>
#include <ostream>

namespace tallyrin {
namespace {

bool endsWithPdf(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pdf";
}

} // namespace

std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string plainLines(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\n");
    return text;
}

bool writePrint(const PrintDocument& document, const std::string& path, const PdfWriter& pdf, std::ostream& err)
{
    std::string error;
    bool written = false;
    if (endsWithPdf(path)) {
        if (!pdf)
            error = "this build has no PDF output";
        else
            written = pdf(document, path, error);
    } else {
        written = replaceFile(path, textRendering(document), &error);
    }
    if (!written)
        err << "tallyrin-calc: " << path << " could not be written" << (error.empty() ? "" : ": " + error) << '\n';
    return written;
}

} // namespace tallyrin
