#include "app/HoursSheet.h"

#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/Trim.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace tallyrin {
namespace {

struct Record
{
    int line = 0;
    std::vector<std::string> fields;
};

// Splits the text into records; false with `problem` set when a quote is left open.
bool splitRecords(const std::string& text, std::vector<Record>& records, std::string& problem)
{
    int line = 1;
    size_t at = 0;
    while (at < text.size()) {
        Record record;
        record.line = line;
        std::string field;
        bool quotedField = false;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (at >= text.size()) {
                endOfRecord = true;
            } else if (const char c = text[at]; c == '"' && trimmed(field).empty() && !quotedField) {
                // A quoted field: up to the closing quote, "" standing for one quote.
                field.clear();
                quotedField = true;
                const int opened = line;
                for (++at;; ++at) {
                    if (at >= text.size()) {
                        problem = "line " + std::to_string(opened) + ": a quote is opened and never closed";
                        return false;
                    }
                    if (text[at] == '"') {
                        if (at + 1 < text.size() && text[at + 1] == '"') {
                            field += '"';
                            ++at;
                            continue;
                        }
                        ++at;
                        break;
                    }
                    if (text[at] == '\n')
                        ++line;
                    field += text[at];
                }
                // Only spaces may follow the closing quote before the next separator.
                while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
                    ++at;
                if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    problem = "line " + std::to_string(line) + ": text follows a closing quote";
                    return false;
                }
            } else if (c == ',') {
                record.fields.push_back(quotedField ? field : std::string(trimmed(field)));
                field.clear();
                quotedField = false;
                ++at;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                    ++at;
                ++at;
                ++line;
                endOfRecord = true;
            } else {
                field += c;
                ++at;
            }
        }
        record.fields.push_back(quotedField ? field : std::string(trimmed(field)));
        const bool blank = record.fields.size() == 1 && record.fields[0].empty() && !quotedField;
        if (!blank)
            records.push_back(std::move(record));
    }
    return true;
}

bool knownColumn(const std::string& name)
{
    auto is = [&](const char* c) { return name == c; };
    return std::any_of(kHoursColumns.begin(), kHoursColumns.end(), is) ||
           std::any_of(kOptionalHoursColumns.begin(), kOptionalHoursColumns.end(), is);
}

} // namespace

HoursSheetReading readHoursSheet(std::istream& in)
{
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A spreadsheet's "CSV UTF-8" starts with a byte-order mark.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    return readHoursSheetText(text);
}

HoursSheetReading readHoursSheetFile(const std::filesystem::path& path)
{
    HoursSheetReading reading;
    FileRead read = readFile(path, kLargestHoursSheet);
    switch (read.status) {
    case FileRead::Status::Read:
        return readHoursSheetText(read.content);
    case FileRead::Status::Missing:
        reading.problem = "there is no such file";
        break;
    default:
        reading.problem = read.problem;
        if (!reading.problem.empty() && reading.problem.back() == '.')
            reading.problem.pop_back();
        if (reading.problem.rfind("It ", 0) == 0)
            reading.problem[0] = 'i';
        break;
    }
    return reading;
}

HoursSheetReading readHoursSheetText(const std::string& text)
{
    std::vector<Record> records;
    HoursSheetReading reading;
    if (!splitRecords(text, records, reading.problem))
        return reading;
    if (records.empty()) {
        reading.problem = "line 1: the sheet is empty; it needs a header row naming its columns";
        return reading;
    }

    const Record& header = records.front();
    std::map<std::string, size_t> column;
    for (size_t i = 0; i < header.fields.size(); ++i) {
        const std::string& name = header.fields[i];
        std::string problem;
        if (name.empty())
            problem = "column " + std::to_string(i + 1) + " of the header has no name";
        else if (!knownColumn(name))
            problem = "the header names an unknown column " + messages::shortQuote(name);
        else if (column.count(name))
            problem = "the header names the column " + messages::shortQuote(name) + " twice";
        if (!problem.empty()) {
            reading.problem = "line " + std::to_string(header.line) + ": " + problem;
            return reading;
        }
        column[name] = i;
    }
    std::vector<std::string> missing;
    for (const char* name : kHoursColumns)
        if (!column.count(name))
            missing.push_back(name);
    if (!missing.empty()) {
        std::string list;
        for (const auto& name : missing)
            list += (list.empty() ? "\"" : ", \"") + name + "\"";
        reading.problem = "line " + std::to_string(header.line) + ": the header lacks the column" +
                          (missing.size() > 1 ? "s " : " ") + list;
        return reading;
    }

    HoursSheet sheet;
    sheet.hasWeek = column.count("week") > 0;
    sheet.hasDate = column.count("date") > 0;
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
        HoursRow row;
        row.line = record->line;
        if (record->fields.size() != header.fields.size()) {
            row.fault = "The row has " + std::to_string(record->fields.size()) + " fields where the header has " +
                        std::to_string(header.fields.size()) + ".";
            if (!record->fields.empty() && column["user"] < record->fields.size())
                row.user = record->fields[column["user"]];
            sheet.rows.push_back(std::move(row));
            continue;
        }
        auto field = [&](const char* name) { return record->fields[column.at(name)]; };
        row.user = field("user");
        for (size_t i = 0; i < row.entries.size(); ++i)
            row.entries[i] = field(kHoursColumns[1 + i]);
        row.ot2x = field("ot2x");
        if (sheet.hasWeek)
            row.week = field("week");
        if (sheet.hasDate)
            row.date = field("date");
        sheet.rows.push_back(std::move(row));
    }
    // Whole-sheet faults: nothing of such a sheet is paid.
    std::map<std::string, int> firstLine;
    for (const HoursRow& row : sheet.rows) {
        if (std::any_of(row.user.begin(), row.user.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
            reading.problem = "line " + std::to_string(row.line) + ": the user name " + messages::shortQuote(row.user) +
                              " holds a control character";
            return reading;
        }
        if (row.user.empty())
            continue;
        const auto [at, first] = firstLine.emplace(row.user, row.line);
        if (!first) {
            reading.problem = "lines " + std::to_string(at->second) + " and " + std::to_string(row.line) +
                              " both name the employee " + messages::shortQuote(row.user) +
                              "; an employee is paid once in a run";
            return reading;
        }
    }
    reading.sheet = std::move(sheet);
    return reading;
}

} // namespace tallyrin
