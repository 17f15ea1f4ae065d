#include "text/FileMessages.h"

#include "text/FileOutcome.h"

namespace tallyrin {

namespace messages {

std::vector<std::string> corruptFile(std::string_view fileName)
{
    return {"You have corupted a file.", "Find file,", std::string(fileName), "and delete it."};
}

std::vector<std::string> checkYourNumbers() { return {"Check your numbers", "No blanks", "Only numbers"}; }

std::vector<std::string> profileNotOpened(std::string_view fileName)
{
    return {"The file", std::string(fileName), "could not be opened."};
}

std::vector<std::string> profileReadStopped(std::string_view fileName, int line)
{
    return {"The file", std::string(fileName), "could not be read completely.",
            "Reading stopped at line " + std::to_string(line) + "; the values read before it were kept."};
}

std::vector<std::string> itemsLeftOver(std::string_view fileName)
{
    return {"The file", std::string(fileName), "is damaged: it holds more than its items."};
}

std::vector<std::string> notSaved(std::string_view fileName, std::string_view reason)
{
    std::vector<std::string> lines{"The file", std::string(fileName), "could not be saved."};
    if (!reason.empty())
        lines.emplace_back(reason);
    return lines;
}

std::vector<std::string> ledgerNotSaved(std::string_view fileName, std::string_view reason)
{
    return {"The year-to-date file " + std::string(fileName) + " could not be saved.", std::string(reason)};
}

std::vector<std::string> federalTablesMissing(std::string_view folderText)
{
    return {"   Operation Failed ! ! !", "Save and Open, Only in Folder", std::string(folderText),
            "Contact Quenvoro SOFTWARE", "support@quenvoro.example"};
}

std::vector<std::string> federalTablesDamaged(std::string_view fileName, std::string_view where)
{
    return {"The federal tax table file could not be read:", std::string(fileName),
            "The file is damaged at " + std::string(where) + ".",
            "Federal withholding is only the additional amount until the file is replaced."};
}

std::vector<std::string> federalTablesUnreadable(std::string_view fileName, std::string_view why)
{
    return {"The federal tax table file could not be read:", std::string(fileName), std::string(why),
            "Federal withholding is only the additional amount until the file is replaced."};
}

std::vector<std::string> notReadable(std::string_view fileName, std::string_view why)
{
    return {"The file", std::string(fileName), "could not be read.", std::string(why)};
}

std::string plainLines(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, "\n");
    return text;
}

std::string shortQuote(std::string_view item)
{
    constexpr size_t kLongest = 60;
    std::string shown;
    size_t at = 0;
    for (; at < item.size() && shown.size() < kLongest; ++at) {
        const auto c = static_cast<unsigned char>(item[at]);
        if (c == '\t')
            shown += "\\t";
        else if (c == '\n')
            shown += "\\n";
        else if (c == '\r')
            shown += "\\r";
        else if (c < 0x20 || c == 0x7F) {
            static const char* const hex = "0123456789abcdef";
            shown += "\\x";
            shown += hex[c >> 4];
            shown += hex[c & 15];
        } else
            shown += static_cast<char>(c);
    }
    // Never cut inside a UTF-8 sequence.
    while (at < item.size() && (static_cast<unsigned char>(item[at]) & 0xC0) == 0x80)
        shown += item[at++];
    return "\"" + shown + (at < item.size() ? "...\"" : "\"");
}

std::vector<std::string> ledgerDamaged(std::string_view fileName, std::string_view why)
{
    std::vector<std::string> lines{"The year-to-date file", std::string(fileName), "could not be read whole."};
    if (!why.empty())
        lines.emplace_back(why);
    lines.emplace_back("It is left as it is, and kept as " + std::string(fileName) +
                       ".damaged before the ledger is saved again.");
    return lines;
}

std::vector<std::string> keptAside(std::string_view fileName, std::string_view keptName)
{
    return {"The file", std::string(fileName), "could not be read whole when it was opened.",
            "It has been kept as " + std::string(keptName) + " before this save replaced it."};
}

std::vector<std::string> notKeptAside(std::string_view fileName, std::string_view why)
{
    return {"The file", std::string(fileName), "could not be read whole when it was opened, and it could not be kept",
            "aside before saving (" + std::string(why) + ").", "Nothing more was saved."};
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace messages

std::string FileOutcome::message() const { return messages::joined(lines); }

} // namespace tallyrin
