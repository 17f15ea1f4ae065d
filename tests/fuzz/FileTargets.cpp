// One target per file kind. Each reads the input as that file, through the reader the program
// uses; when the read is whole, the record is written, read again (which must be whole) and
// written again, and both texts must be the same: a file the program saved reads back as saved.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "employee/CompanyHeader.h"
#include "employee/LeaveBalances.h"
#include "employee/ProfileFiles.h"
#include "employee/SavedPayPeriod.h"
#include "engine/FederalTableFile.h"
#include "local/CityFile.h"
#include "local/NonCityFile.h"
#include "state/StateFile.h"
#include "text/SettingsFile.h"
#include "ytd/YtdLedger.h"

namespace tallyrin::fuzz {

namespace {

// A second read of written text must not fail.
void expectWhole(std::string_view what, const std::optional<ReadFault>& fault, const std::string& text)
{
    if (fault)
        finding(std::string(what) + " does not read again: " + fault->what + " (line " + std::to_string(fault->line) +
                    ")",
                text);
}

void expectDone(std::string_view what, const FileOutcome& outcome, const std::string& text)
{
    if (outcome.kind != FileOutcome::Kind::Done)
        finding(std::string(what) + " does not read again: " + outcome.message(), text);
}

// The table file in the reader's order (the program only reads it; this writes it for the check).
void writeBracketTable(SettingsWriter& w, const FederalBracketTable& table)
{
    const FederalBracketRow& first = table[0];
    w.single(first.Over).single(first.NotOver).single(first.ExcessOver).single(first.Rate).endRecord();
    for (size_t r = 1; r < 5; ++r) {
        const FederalBracketRow& row = table[r];
        w.single(row.Over).single(row.NotOver).single(row.ExcessOver).single(row.Rate).single(row.Base).endRecord();
    }
    const FederalBracketRow& last = table[5];
    w.single(last.Over).single(last.ExcessOver).single(last.Rate).single(last.Base).endRecord();
    w.text("table").endRecord();
}

std::string writeFederalTables(const FederalTables& t)
{
    SettingsWriter w;
    for (const FederalBracketTable* table : {&t.BiWeeklySingle, &t.WeeklySingle, &t.BiWeeklyMarried, &t.WeeklyMarried})
        writeBracketTable(w, *table);
    for (float amount : t.SingleAllowance)
        w.single(amount);
    w.endRecord();
    for (float amount : t.MarriedAllowance)
        w.single(amount);
    w.endRecord();
    w.text(t.Version).endRecord();
    return w.str();
}

} // namespace

void federalTables(const uint8_t* data, size_t size)
{
    FederalRead read = readFederalTables(inputText(data, size));
    if (read.fault)
        return;
    const std::string first = writeFederalTables(read.tables);
    FederalRead again = readFederalTables(first);
    if (again.fault)
        finding("the table file does not read again: " + *again.fault, first);
    expectSameText("table file: write, read, write", first, writeFederalTables(again.tables));
}

void profileFiles(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const int kind = data[0] % 5;
    const std::string content = inputText(data + 1, size - 1);
    EmployeeProfile profile;
    OvertimeTracker tracker;
    StateSettings state;
    switch (kind) {
    case 0: {
        if (readUseFile(content, profile, tracker))
            return;
        const std::string first = writeUseFile(profile, tracker);
        EmployeeProfile p2;
        OvertimeTracker t2;
        expectWhole(".use", readUseFile(first, p2, t2), first);
        expectSameText(".use: write, read, write", first, writeUseFile(p2, t2));
        break;
    }
    case 1: {
        if (readAndFile(content, profile, state))
            return;
        const std::string first = writeAndFile(profile, state);
        EmployeeProfile p2;
        StateSettings s2;
        expectWhole(".and", readAndFile(first, p2, s2), first);
        expectSameText(".and: write, read, write", first, writeAndFile(p2, s2));
        break;
    }
    case 2: {
        if (readCfeFile(content, profile))
            return;
        const std::string first = writeCfeFile(profile);
        EmployeeProfile p2;
        expectWhole(".cfe", readCfeFile(first, p2), first);
        expectSameText(".cfe: write, read, write", first, writeCfeFile(p2));
        break;
    }
    default: {
        const bool weekly = kind == 3;
        if (readOvertimeRows(content, tracker, weekly))
            return;
        const std::string first = writeOvertimeRows(tracker, weekly);
        OvertimeTracker t2;
        expectWhole(overtimeExtension(weekly), readOvertimeRows(first, t2, weekly), first);
        expectSameText(overtimeExtension(weekly) + ": write, read, write", first, writeOvertimeRows(t2, weekly));
        break;
    }
    }
}

void stateFile(const uint8_t* data, size_t size)
{
    StateSettings state;
    EmployeeProfile profile;
    if (readStateSettings(inputText(data, size), state, profile))
        return;
    const std::string first = writeStateSettings(state, profile);
    StateSettings s2;
    EmployeeProfile p2;
    expectWhole(".sta", readStateSettings(first, s2, p2), first);
    expectSameText(".sta: write, read, write", first, writeStateSettings(s2, p2));
}

void cityFile(const uint8_t* data, size_t size)
{
    CitySettings city;
    if (readCityFileText(inputText(data, size), city))
        return;
    const std::string first = cityFileText(city);
    CitySettings again;
    expectWhole(".cti", readCityFileText(first, again), first);
    expectSameText(".cti: write, read, write", first, cityFileText(again));
}

void nonCityFile(const uint8_t* data, size_t size)
{
    NonCitySettings nonCity;
    if (readNonCityFileText(inputText(data, size), nonCity))
        return;
    const std::string first = nonCityFileText(nonCity);
    NonCitySettings again;
    expectWhole(".nci", readNonCityFileText(first, again), first);
    expectSameText(".nci: write, read, write", first, nonCityFileText(again));
}

void ledgerFile(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const bool biWeekly = data[0] & 1;
    const std::filesystem::path& folder = scratchFolder();
    YtdLedger ledger;
    ledger.setBiWeekly(biWeekly);
    const std::filesystem::path file = ledger.filePath(folder, "Fuzz");
    writeScratchFile(file, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    if (ledger.readLedger(folder, "Fuzz").kind != FileOutcome::Kind::Done)
        return;
    const std::string first = ledger.fileContent();
    writeScratchFile(file, first);
    YtdLedger again;
    again.setBiWeekly(biWeekly);
    expectDone(YtdLedger::extension(biWeekly), again.readLedger(folder, "Fuzz"), first);
    expectSameText(YtdLedger::extension(biWeekly) + ": write, read, write", first, again.fileContent());
}

void leaveFile(const uint8_t* data, size_t size)
{
    LeaveBalances leave;
    if (readLeaveFile(inputText(data, size), leave))
        return;
    const std::string first = writeLeaveFile(leave);
    LeaveBalances again;
    expectWhole(".hol", readLeaveFile(first, again), first);
    expectSameText(".hol: write, read, write", first, writeLeaveFile(again));
}

void headerFile(const uint8_t* data, size_t size)
{
    const std::filesystem::path& folder = scratchFolder();
    writeScratchFile(headerFilePath(folder), inputText(data, size));
    CompanyHeader header;
    if (LoadHeader(folder, header).kind != FileOutcome::Kind::Done)
        return;
    const std::string first = writeHeaderFile(header);
    writeScratchFile(headerFilePath(folder), first);
    CompanyHeader again;
    expectDone(kHeaderFileName, LoadHeader(folder, again), first);
    expectSameText("Header.sav: write, read, write", first, writeHeaderFile(again));
}

void savedPeriod(const uint8_t* data, size_t size)
{
    const std::filesystem::path file = scratchFolder() / "01_08_2009  Fuzz.prv";
    writeScratchFile(file, inputText(data, size));
    SavedPayPeriod amounts{};
    if (loadSavedPeriod(file, amounts).kind != FileOutcome::Kind::Done)
        return;
    const std::string first = writeSavedPeriod(amounts);
    writeScratchFile(file, first);
    SavedPayPeriod again{};
    expectDone(".prv", loadSavedPeriod(file, again), first);
    expectSameText(".prv: write, read, write", first, writeSavedPeriod(again));
}

} // namespace tallyrin::fuzz
