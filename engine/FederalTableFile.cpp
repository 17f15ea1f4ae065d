#include "engine/FederalTableFile.h"

#include "text/FileMessages.h"
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
    if (in.ok() && !in.atEnd()) {
        // Items after the version mean the file is not the table file it claims to be.
        result.fault = "the items after the version (the file holds more than its tables)";
        return result;
    }
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

FileOutcome loadFederalTables(const std::filesystem::path& folder, bool januaryFile, std::string_view folderText,
                              FederalTables& tables)
{
    const std::string_view name = januaryFile ? kFederalJanuaryFile : kFederalFile;
    const std::filesystem::path file = folder / name;
    FileRead onDisk = readFile(file);
    if (onDisk.status == FileRead::Status::Missing) {
        FileOutcome missing = FileOutcome::missing(file);
        missing.lines = messages::federalTablesMissing(folderText);
        return missing;
    }
    if (onDisk.status != FileRead::Status::Read) {
        // Not read at all (a folder, a pipe, an oversized file): no tables this time.
        tables = FederalTables{};
        return FileOutcome::corrupt(file, messages::federalTablesUnreadable(name, onDisk.problem));
    }
    FederalRead read = readFederalTables(std::move(onDisk.content));
    tables = std::move(read.tables);
    if (read.fault)
        return FileOutcome::corrupt(file, messages::federalTablesDamaged(name, *read.fault));
    return FileOutcome::done(file);
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
