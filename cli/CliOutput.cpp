#include "cli/CliOutput.h"

#include "text/FileStore.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <ostream>

namespace tallyrin {

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

bool endsWithPdf(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pdf";
}

std::optional<std::string> wholePdf(const std::filesystem::path& file)
{
    // A PDF ends with its end-of-file mark; a disk that filled up part-way leaves a file without it.
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size <= 0)
        return std::string("the PDF file is empty (is the disk full?)");
    const std::streamoff tail = std::min<std::streamoff>(size, 1024);
    std::string end(static_cast<size_t>(tail), '\0');
    in.seekg(size - tail);
    if (!in.read(end.data(), tail) || end.find("%%EOF") == std::string::npos)
        return std::string("the PDF file was not written whole (is the disk full?)");
    return std::nullopt;
}


bool writePrint(const PrintDocument& document, const std::string& path, const PdfWriter& pdf, std::ostream& err)
{
    FileOutcome written;
    if (endsWithPdf(path)) {
        if (!pdf) {
            err << "tallyrin-calc: " << path << " could not be written: this build has no PDF output\n";
            return false;
        }
        written = writeOutputFile(path, [&](const std::filesystem::path& temporary) -> std::optional<std::string> {
            std::string error;
            if (!pdf(document, temporary.string(), error))
                return error.empty() ? std::string("the PDF file could not be created") : error;
            return wholePdf(temporary);
        });
    } else {
        written = writeOutputFile(path, textRendering(document));
    }
    if (written.failed())
        err << "tallyrin-calc: " << plainLines(written.message()) << '\n';
    return !written.failed();
}

} // namespace tallyrin
