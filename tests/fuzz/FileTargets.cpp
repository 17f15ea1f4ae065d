// One target per file kind (the employee's files read from their text share one, over the store's table). Each reads the input as that file, through the reader the program
// uses; when the read is whole, the record is written, read again (which must be whole) and
// written again, and both texts must be the same: a file the program saved reads back as saved.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "employee/CompanyHeader.h"
#include "employee/EmployeeStore.h"
#include "employee/EmployerFacts.h"
#include "employee/SavedPayPeriod.h"
#include "engine/FederalTableFile.h"
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

void employeeFiles(const uint8_t* data, size_t size)
{
    // The kinds read from their text, a frequency-dependent one twice (weekly, bi-weekly), in the
    // store's order; the first byte chooses one.
    struct Variant
    {
        const EmployeeFileKind* kind;
        bool weekly;
    };
    static const std::vector<Variant> variants = [] {
        std::vector<Variant> list;
        for (const EmployeeFileKind& kind : employeeFileKinds()) {
            if (!kind.read)
                continue;
            list.push_back({&kind, true});
            if (std::string_view(kind.name).find('/') != std::string_view::npos)
                list.push_back({&kind, false});
        }
        return list;
    }();
    if (size == 0)
        return;
    const Variant v = variants[data[0] % variants.size()];
    const auto blank = [&] {
        Employee e;
        e.profile.Weekly = v.weekly;
        e.profile.BiWeekly = !v.weekly;
        return e;
    };
    Employee employee = blank();
    if (v.kind->read(inputText(data + 1, size - 1), employee))
        return;
    expectSameText(v.kind->extension(employee), v.kind->text(employee), [&](const std::string& text) {
        Employee again = blank();
        const auto fault = v.kind->read(text, again);
        return Rewritten{v.kind->text(again), faultText(fault)};
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

void employerFile(const uint8_t* data, size_t size)
{
    const std::filesystem::path& folder = scratchFolder();
    const auto read = [&](std::string_view bytes, EmployerFacts& facts) {
        writeScratchFile(folder / kEmployerFileName, bytes);
        return LoadEmployer(folder, facts);
    };
    EmployerFacts facts;
    if (read(inputText(data, size), facts).kind != FileOutcome::Kind::Done)
        return;
    expectSameText(kEmployerFileName, writeEmployerFile(facts), [&](const std::string& text) {
        EmployerFacts again;
        const FileOutcome outcome = read(text, again);
        return Rewritten{writeEmployerFile(again), outcomeText(outcome)};
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
