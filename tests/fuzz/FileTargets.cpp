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

std::string faultText(const std::optional<ReadFault>& fault)
{
    return fault ? fault->what + " (line " + std::to_string(fault->line) + ")" : std::string();
}

std::string outcomeText(const FileOutcome& outcome)
{
    return outcome.kind == FileOutcome::Kind::Done ? std::string() : "not read whole: " + outcome.message();
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
    expectSameText("table file", writeFederalTables(read.tables), [](const std::string& text) {
        FederalRead again = readFederalTables(text);
        return Rewritten{writeFederalTables(again.tables), again.fault.value_or("")};
    });
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
    case 0:
        if (readUseFile(content, profile, tracker))
            return;
        expectSameText(".use", writeUseFile(profile, tracker), [](const std::string& text) {
            EmployeeProfile p;
            OvertimeTracker t;
            const auto fault = readUseFile(text, p, t);
            return Rewritten{writeUseFile(p, t), faultText(fault)};
        });
        break;
    case 1:
        if (readAndFile(content, profile, state))
            return;
        expectSameText(".and", writeAndFile(profile, state), [](const std::string& text) {
            EmployeeProfile p;
            StateSettings s;
            const auto fault = readAndFile(text, p, s);
            return Rewritten{writeAndFile(p, s), faultText(fault)};
        });
        break;
    case 2:
        if (readCfeFile(content, profile))
            return;
        expectSameText(".cfe", writeCfeFile(profile), [](const std::string& text) {
            EmployeeProfile p;
            const auto fault = readCfeFile(text, p);
            return Rewritten{writeCfeFile(p), faultText(fault)};
        });
        break;
    default: {
        const bool weekly = kind == 3;
        if (readOvertimeRows(content, tracker, weekly))
            return;
        expectSameText(overtimeExtension(weekly), writeOvertimeRows(tracker, weekly), [weekly](const std::string& text) {
            OvertimeTracker t;
            const auto fault = readOvertimeRows(text, t, weekly);
            return Rewritten{writeOvertimeRows(t, weekly), faultText(fault)};
        });
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
    expectSameText(".sta", writeStateSettings(state, profile), [](const std::string& text) {
        StateSettings s;
        EmployeeProfile p;
        const auto fault = readStateSettings(text, s, p);
        return Rewritten{writeStateSettings(s, p), faultText(fault)};
    });
}

void cityFile(const uint8_t* data, size_t size)
{
    CitySettings city;
    if (readCityFileText(inputText(data, size), city))
        return;
    expectSameText(".cti", cityFileText(city), [](const std::string& text) {
        CitySettings c;
        const auto fault = readCityFileText(text, c);
        return Rewritten{cityFileText(c), faultText(fault)};
    });
}

void nonCityFile(const uint8_t* data, size_t size)
{
    NonCitySettings nonCity;
    if (readNonCityFileText(inputText(data, size), nonCity))
        return;
    expectSameText(".nci", nonCityFileText(nonCity), [](const std::string& text) {
        NonCitySettings n;
        const auto fault = readNonCityFileText(text, n);
        return Rewritten{nonCityFileText(n), faultText(fault)};
    });
}

void ledgerFile(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const bool biWeekly = data[0] & 1;
    const std::filesystem::path& folder = scratchFolder();
    const auto read = [&](std::string_view bytes, YtdLedger& ledger) {
        ledger.setBiWeekly(biWeekly);
        writeScratchFile(ledger.filePath(folder, "Fuzz"), bytes);
        return ledger.readLedger(folder, "Fuzz");
    };
    YtdLedger ledger;
    if (read(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1), ledger).kind !=
        FileOutcome::Kind::Done)
        return;
    expectSameText(YtdLedger::extension(biWeekly), ledger.fileContent(), [&](const std::string& text) {
        YtdLedger again;
        const FileOutcome outcome = read(text, again);
        return Rewritten{again.fileContent(), outcomeText(outcome)};
    });
}

void leaveFile(const uint8_t* data, size_t size)
{
    LeaveBalances leave;
    if (readLeaveFile(inputText(data, size), leave))
        return;
    expectSameText(".hol", writeLeaveFile(leave), [](const std::string& text) {
        LeaveBalances l;
        const auto fault = readLeaveFile(text, l);
        return Rewritten{writeLeaveFile(l), faultText(fault)};
    });
}

void headerFile(const uint8_t* data, size_t size)
{
    const std::filesystem::path& folder = scratchFolder();
    const auto read = [&](std::string_view bytes, CompanyHeader& header) {
        writeScratchFile(headerFilePath(folder), bytes);
        return LoadHeader(folder, header);
    };
    CompanyHeader header;
    if (read(inputText(data, size), header).kind != FileOutcome::Kind::Done)
        return;
    expectSameText(kHeaderFileName, writeHeaderFile(header), [&](const std::string& text) {
        CompanyHeader again;
        const FileOutcome outcome = read(text, again);
        return Rewritten{writeHeaderFile(again), outcomeText(outcome)};
    });
}

void savedPeriod(const uint8_t* data, size_t size)
{
    const std::filesystem::path file = scratchFolder() / "01_08_2009  Fuzz.prv";
    const auto read = [&](std::string_view bytes, SavedPayPeriod& amounts) {
        writeScratchFile(file, bytes);
        return loadSavedPeriod(file, amounts);
    };
    SavedPayPeriod amounts{};
    if (read(inputText(data, size), amounts).kind != FileOutcome::Kind::Done)
        return;
    expectSameText(".prv", writeSavedPeriod(amounts), [&](const std::string& text) {
        SavedPayPeriod again{};
        const FileOutcome outcome = read(text, again);
        return Rewritten{writeSavedPeriod(again), outcomeText(outcome)};
    });
}

} // namespace tallyrin::fuzz
