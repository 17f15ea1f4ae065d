// The employee's profile file family: layouts, readers and the load and save sequences.
#include "employee/ProfileFiles.h"

#include "text/Numbers.h"
#include "text/SettingsFormat.h"

#include <cmath>

namespace tallyrin {

namespace {

// The present rate is stored as its "##.##" text read back, a fraction with two decimals.
// A rate with no finite value (annual salary 0) is stored as 0.
double storedPresentRate(float rate)
{
    if (!std::isfinite(rate))
        return 0;
    return leadingNumber(format(rate, "##.##"));
}

// ---- Layouts, for reading and writing alike ----

// Lines 1-2: the tracker's figures. Those marked widened are singles the file holds as doubles, so
// they keep their binary noise there; they are read back as singles.
void widened(SettingsWriter& w, float value) { w.dbl(value); }
void widened(SettingsReader& r, float& value) { r.single(value); }
void presentRate(SettingsWriter& w, float rate) { w.dbl(storedPresentRate(rate)); }
void presentRate(SettingsReader& r, float& rate) { r.single(rate); }

template <class IO, class Profile, class Tracker> void useItems(IO& io, Profile& p, Tracker& t)
{
    io.single(t.OtEarned), widened(io, t.OtMaximum), widened(io, t.OtAvailable);
    io.endRecord();
    widened(io, t.AnnualSalary), widened(io, t.ApprovedPercent), presentRate(io, t.PresentRate);
    io.endRecord();
    io.single(p.HourRate), io.single(p.HourRate2), io.single(p.TipsRate);
    io.endRecord();
    io.text(p.FedAllowances), io.text(p.FedStatus), io.single(p.PensionPct);
    io.endRecord();
    io.single(p.CreditUnionAmt), io.single(p.BondAmt), io.single(p.MiscAmt);
    io.endRecord();
    io.single(p.DuesAmt), io.single(p.KPlanValue), io.int16(p.NonCityResident);
    io.endRecord();
    io.boolean(p.Weekly), io.boolean(p.BiWeekly), io.text(p.DeductLabel[0]);
    io.endRecord();
    io.text(p.DeductLabel[1]), io.text(p.DeductLabel[2]), io.text(p.DeductLabel[3]), io.text(p.DeductLabel[4]);
    io.endRecord();
    for (size_t line = 0; line < 4; ++line) {
        for (size_t i = 0; i < 4; ++i)
            io.reserved(p.UseReserved[line * 4 + i]);
        io.endRecord();
    }
}

template <class IO, class Profile, class State> void andItems(IO& io, Profile& p, State& s)
{
    io.single(p.HorzOffset), io.single(p.VertOffset), io.int16(s.SpouseWorks);
    io.endRecord();
    io.single(s.CalAllow), io.reserved(p.AndReservedSingles[0]), io.reserved(p.AndReservedSingles[1]);
    io.endRecord();
    io.reserved(p.AndReservedSingles[2]), io.reserved(p.AndReservedSingles[3]), io.reserved(p.AndReservedSingles[4]);
    io.endRecord();
    io.reserved(p.AndReservedBooleans[0]), io.reserved(p.AndReservedBooleans[1]), io.reserved(p.AndReservedBooleans[2]);
    io.endRecord();
    io.text(p.EmpAddress), io.text(p.EmpCityStateZip), io.text(p.EmpSsn);
    io.endRecord();
    io.text(p.EmpName), io.reserved(p.AndReservedTexts[0]), io.reserved(p.AndReservedTexts[1]);
    io.endRecord();
    io.int16(s.RoundState), io.int16(s.Utah), io.int16(s.Wiscon), io.int16(s.Alabama);
    io.endRecord();
    io.int16(s.NC), io.reserved(p.AndReservedIntegers[0]), io.reserved(p.AndReservedIntegers[1]);
    io.endRecord();
    io.int16(p.KPlanPercent), io.int16(p.KPlanFixed);
    io.endRecord();
}

template <class IO, class Profile> void cfeItems(IO& io, Profile& p)
{
    io.single(p.CafeteriaAmt), io.int16(p.CafeDeductState), io.int16(p.SelfEmployed);
    io.endRecord();
}

// An overtime amount is kept as the text of its box and stored as a number (leading-number
// conversion); it is read back in screen form ("12.5").
void overtimeAmount(SettingsWriter& w, const std::string& text) { w.dbl(leadingNumber(text)); }
void overtimeAmount(SettingsReader& r, std::string& text)
{
    // An overtime amount far beyond any payroll's cannot be one an operator kept: the file is
    // damaged (the boxes take digits only, so nothing typed comes near this).
    constexpr double kLargestAmount = 1e15;
    double amount = 0;
    if (!r.dbl(amount))
        return;
    if (!(std::fabs(amount) <= kLargestAmount)) {
        r.reject("an overtime amount beyond any period's pay");
        return;
    }
    text = screenText(amount);
}

template <class IO, class Tracker> void overtimeItems(IO& io, Tracker& t, bool weekly)
{
    for (size_t row = 0; row < static_cast<size_t>(overtimeRowCount(weekly)); ++row) {
        io.text(t.OtDates[row]);
        io.endRecord();
        overtimeAmount(io, t.OtAmounts[row]);
        io.endRecord();
    }
}

} // namespace

// ---- File texts ----

std::string writeUseFile(const EmployeeProfile& p, const OvertimeTracker& t)
{
    return settingsText([&](SettingsWriter& w) { useItems(w, p, t); });
}

std::optional<ReadFault> readUseFile(const std::string& content, EmployeeProfile& p, OvertimeTracker& t)
{
    return readSettingsText(content, [&](SettingsReader& r) { useItems(r, p, t); });
}

std::string writeAndFile(const EmployeeProfile& p, const StateSettings& s)
{
    return settingsText([&](SettingsWriter& w) { andItems(w, p, s); });
}

std::optional<ReadFault> readAndFile(const std::string& content, EmployeeProfile& p, StateSettings& s)
{
    return readSettingsText(content, [&](SettingsReader& r) { andItems(r, p, s); });
}

std::string writeCfeFile(const EmployeeProfile& p)
{
    return settingsText([&](SettingsWriter& w) { cfeItems(w, p); });
}

std::optional<ReadFault> readCfeFile(const std::string& content, EmployeeProfile& p)
{
    return readSettingsText(content, [&](SettingsReader& r) { cfeItems(r, p); });
}

int overtimeRowCount(bool weekly) { return weekly ? 52 : 26; }

std::string overtimeExtension(bool weekly) { return weekly ? ".ovw" : ".ovb"; }

std::string writeOvertimeRows(const OvertimeTracker& t, bool weekly)
{
    return settingsText([&](SettingsWriter& w) { overtimeItems(w, t, weekly); });
}

std::optional<ReadFault> readOvertimeRows(const std::string& content, OvertimeTracker& t, bool weekly)
{
    return readSettingsText(content, [&](SettingsReader& r) { overtimeItems(r, t, weekly); });
}

// ---- Files ----

std::filesystem::path profileFilePath(const std::filesystem::path& folder, const std::string& user,
                                      const std::string& extension)
{
    return folder / (user + extension);
}

FileOutcome loadUseFile(const std::filesystem::path& file, EmployeeProfile& p, OvertimeTracker& t)
{
    return loadSettingsFile(file, FileMessageStyle::Profile, [&](SettingsReader& r) { useItems(r, p, t); });
}

FileOutcome loadAndFile(const std::filesystem::path& file, EmployeeProfile& p, StateSettings& s)
{
    return loadSettingsFile(file, FileMessageStyle::Profile, [&](SettingsReader& r) { andItems(r, p, s); });
}

FileOutcome loadCfeFile(const std::filesystem::path& file, EmployeeProfile& p)
{
    return loadSettingsFile(file, FileMessageStyle::Profile, [&](SettingsReader& r) { cfeItems(r, p); });
}

FileOutcome loadOvertimeFile(const std::filesystem::path& file, OvertimeTracker& t, bool weekly)
{
    return loadSettingsFile(file, FileMessageStyle::Profile,
                            [&](SettingsReader& r) { overtimeItems(r, t, weekly); });
}

FileOutcome saveUseFile(const std::filesystem::path& file, const EmployeeProfile& p, const OvertimeTracker& t)
{
    return saveSettingsFile(file, FileMessageStyle::Profile, [&](SettingsWriter& w) { useItems(w, p, t); });
}

FileOutcome saveAndFile(const std::filesystem::path& file, const EmployeeProfile& p, const StateSettings& s)
{
    return saveSettingsFile(file, FileMessageStyle::Profile, [&](SettingsWriter& w) { andItems(w, p, s); });
}

FileOutcome saveCfeFile(const std::filesystem::path& file, const EmployeeProfile& p)
{
    return saveSettingsFile(file, FileMessageStyle::Profile, [&](SettingsWriter& w) { cfeItems(w, p); });
}

FileOutcome saveOvertimeFile(const std::filesystem::path& file, const OvertimeTracker& t, bool weekly)
{
    return saveSettingsFile(file, FileMessageStyle::Profile,
                            [&](SettingsWriter& w) { overtimeItems(w, t, weekly); });
}

void prepareProfileSave(EmployeeProfile& profile, OvertimeTracker& tracker)
{
    if (!profile.Weekly && !profile.BiWeekly)
        profile.Weekly = true;
    if (profile.KPlanPercent != 1 && profile.KPlanFixed != 1)
        profile.KPlanPercent = 1;
    for (int row = 0; row < overtimeRowCount(profile.Weekly); ++row)
        if (tracker.OtAmounts[static_cast<size_t>(row)].empty())
            tracker.OtAmounts[static_cast<size_t>(row)] = "0";
}

std::vector<FileOutcome> loadProfileFamily(const std::filesystem::path& folder, const std::string& user,
                                           EmployeeProfile& profile, OvertimeTracker& tracker, StateSettings& state)
{
    std::vector<FileOutcome> read;
    read.push_back(loadUseFile(profileFilePath(folder, user, ".use"), profile, tracker));
    read.push_back(loadAndFile(profileFilePath(folder, user, ".and"), profile, state));
    read.push_back(loadCfeFile(profileFilePath(folder, user, ".cfe"), profile));
    const bool weekly = profile.Weekly;
    read.push_back(loadOvertimeFile(profileFilePath(folder, user, overtimeExtension(weekly)), tracker, weekly));
    return read;
}

FileOutcome saveProfileFamily(const std::filesystem::path& folder, const std::string& user, EmployeeProfile& profile,
                              OvertimeTracker& tracker, const StateSettings& state)
{
    prepareProfileSave(profile, tracker);
    const bool weekly = profile.Weekly;
    // A fault ends the save at that file.
    if (auto saved = saveUseFile(profileFilePath(folder, user, ".use"), profile, tracker); saved.failed())
        return saved;
    if (auto saved = saveAndFile(profileFilePath(folder, user, ".and"), profile, state); saved.failed())
        return saved;
    if (auto saved = saveCfeFile(profileFilePath(folder, user, ".cfe"), profile); saved.failed())
        return saved;
    return saveOvertimeFile(profileFilePath(folder, user, overtimeExtension(weekly)), tracker, weekly);
}

} // namespace tallyrin
