#include "platform/xlsx/XlsxWorkbook.h"

#include "text/FileStore.h"

#include <xlsxwriter.h>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <system_error>
#include <tuple>

namespace tallyrin {
namespace {

// In header and footer texts "&" starts a code; a literal one is written twice.
std::string footerText(const std::string& text)
{
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

// The formats of the sheet, one per distinct font and number format.
class Formats
{
public:
    explicit Formats(lxw_workbook* workbook)
        : m_workbook(workbook)
    {
    }
    lxw_format* get(const SheetCell& c)
    {
        if (!c.font.bold && c.font.rgb == 0 && c.numberFormat.empty())
            return nullptr;
        const auto key = std::make_tuple(c.font.bold, c.font.rgb, c.numberFormat);
        auto found = m_formats.find(key);
        if (found != m_formats.end())
            return found->second;
        lxw_format* f = workbook_add_format(m_workbook);
        if (c.font.bold)
            format_set_bold(f);
        if (c.font.rgb != 0)
            format_set_font_color(f, static_cast<lxw_color_t>(c.font.rgb));
        if (!c.numberFormat.empty())
            format_set_num_format(f, c.numberFormat.c_str());
        m_formats.emplace(key, f);
        return f;
    }

private:
    lxw_workbook* m_workbook;
    std::map<std::tuple<bool, uint32_t, std::string>, lxw_format*> m_formats;
};

} // namespace

namespace {

// The workbook into `file`; the library's reason when it could not be written.
std::optional<std::string> writeWorkbookTo(const Worksheet& sheet, const std::filesystem::path& file)
{
    lxw_workbook* workbook = workbook_new(file.string().c_str());
    if (!workbook)
        return std::string("the workbook could not be started");
    lxw_worksheet* ws = workbook_add_worksheet(workbook, nullptr);
    Formats formats(workbook);

    lxw_error error = LXW_NO_ERROR;
    for (const auto& c : sheet.cells) {
        const auto row = static_cast<lxw_row_t>(c.row - 1);
        const auto col = static_cast<lxw_col_t>(c.column - 1);
        lxw_format* f = formats.get(c);
        lxw_error e = c.number ? worksheet_write_number(ws, row, col, *c.number, f)
                               : worksheet_write_string(ws, row, col, c.text.c_str(), f);
        if (e != LXW_NO_ERROR && error == LXW_NO_ERROR)
            error = e;
    }
    for (size_t i = 0; i < sheet.columnWidths.size(); ++i)
        worksheet_set_column(ws, static_cast<lxw_col_t>(i), static_cast<lxw_col_t>(i), sheet.columnWidths[i], nullptr);
    if (sheet.frozenRows > 0)
        worksheet_freeze_panes(ws, static_cast<lxw_row_t>(sheet.frozenRows), 0);
    worksheet_set_selection(ws, 0, 0, 0, 0);

    const SheetPageSetup& page = sheet.page;
    if (page.landscape)
        worksheet_set_landscape(ws);
    const std::string header = page.centerHeader.empty() ? std::string() : "&C" + footerText(page.centerHeader);
    const std::string footer = "&L" + footerText(page.leftFooter) + "&C" + footerText(page.centerFooter) + "&R" +
                               footerText(page.rightFooter);
    if (!header.empty())
        worksheet_set_header(ws, header.c_str());
    if (worksheet_set_footer(ws, footer.c_str()) != LXW_NO_ERROR && error == LXW_NO_ERROR)
        error = LXW_ERROR_255_STRING_LENGTH_EXCEEDED;
    worksheet_fit_to_pages(ws, static_cast<uint16_t>(page.fitToPagesWide), static_cast<uint16_t>(page.fitToPagesTall));
    worksheet_set_margins(ws, page.leftMargin, page.rightMargin, page.topMargin, page.bottomMargin);
    // The library's options refuse a header or footer margin of 0; the sheet's own fields take it.
    ws->margin_header = page.headerMargin;
    ws->margin_footer = page.footerMargin;
    if (page.centerHorizontally)
        worksheet_center_horizontally(ws);
    if (page.centerVertically)
        worksheet_center_vertically(ws);

    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR)
        return std::string(lxw_strerror(error));
    return std::nullopt;
}

} // namespace

FileOutcome writeXlsxWorkbook(const Worksheet& sheet, const std::filesystem::path& path)
{
    // The library writes the target's temporary twin, which takes the target's place once whole:
    // a failure never leaves half a workbook, and the old file stays.
    const FileOutcome written = writeOutputFile(
        path, [&](const std::filesystem::path& temporary) { return writeWorkbookTo(sheet, temporary); });
    if (!written.failed())
        return written;
    return FileOutcome::writeFailed(path, {"The workbook could not be written.", written.message()});
}

} // namespace tallyrin
