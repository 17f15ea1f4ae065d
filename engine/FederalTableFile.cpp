#include "engine/FederalTableFile.h"

#include "text/FileStore.h"
#include "text/SettingsFile.h"

namespace tallyrin {

namespace {

// Rows 1-5 carry an upper bound; row 1 has no base; row 6 is open-ended. 28 items a table.
bool readBracketTable(SettingsReader& in, FederalBracketTable& table)
{
    FederalBracketRow& first = table[0];
    in.single(first.Over), in.single(first.NotOver), in.single(first.ExcessOver), in.single(first.Rate);
    for (size_t r = 1; r < 5; ++r) {
        FederalBracketRow& row = table[r];
        in.single(row.Over), in.single(row.NotOver), in.single(row.ExcessOver), in.single(row.Rate);
        in.single(row.Base);
    }
    FederalBracketRow& last = table[5];
    in.single(last.Over), in.single(last.ExcessOver), in.single(last.Rate), in.single(last.Base);
    in.skip(); // the table's caption
    return in.ok();
}

} // namespace

std::string FederalLoad::message() const
{
    std::string text;
    for (size_t i = 0; i < messageLines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += messageLines[i];
    }
    return text;
}

FederalRead readFederalTables(std::string content)
{
    SettingsReader in(std::move(content));
    FederalTables tables;
    readBracketTable(in, tables.BiWeeklySingle);
    readBracketTable(in, tables.WeeklySingle);
    readBracketTable(in, tables.BiWeeklyMarried);
    readBracketTable(in, tables.WeeklyMarried);
    for (float& amount : tables.SingleAllowance)
        in.single(amount);
    for (float& amount : tables.MarriedAllowance)
        in.single(amount);
    in.text(tables.Version);

    FederalRead result;
    if (in.ok()) {
        result.tables = std::move(tables);
    } else {
        // Half a table would tax by a mixture of old zeros and new rows: take none of it.
        const ReadFault& fault = *in.fault();
        result.fault =
            "item " + std::to_string(fault.item) + " on line " + std::to_string(fault.line) + ": " + fault.what;
    }
    return result;
}

FederalLoad loadFederalTables(const std::filesystem::path& folder, bool januaryFile, std::string_view folderText)
{
    const std::string_view name = januaryFile ? kFederalJanuaryFile : kFederalFile;
    FederalLoad load;
    std::optional<std::string> content = readWholeFile(folder / name);
    if (!content) {
        load.messageLines = {"   Operation Failed ! ! !", "Save and Open, Only in Folder", std::string(folderText),
                             "Contact Quenvoro SOFTWARE", "support@quenvoro.example"};
        return load;
    }
    load.opened = true;
    FederalRead read = readFederalTables(std::move(*content));
    if (read.fault) {
        load.messageLines = {"The federal tax table file could not be read:", std::string(name),
                             "The file is damaged at " + *read.fault + ".",
                             "Federal withholding is only the additional amount until the file is replaced."};
        return load;
    }
    load.tables = std::move(read.tables);
    load.complete = true;
    return load;
}

void clearFederalTables(FederalTables& tables)
{
    for (FederalBracketTable* table :
         {&tables.BiWeeklySingle, &tables.WeeklySingle, &tables.BiWeeklyMarried, &tables.WeeklyMarried})
        table->fill(FederalBracketRow{});
    tables.SingleAllowance.fill(0);
    tables.MarriedAllowance.fill(0);
}

} // namespace tallyrin
