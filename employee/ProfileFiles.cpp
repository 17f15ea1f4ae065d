// The employee's profile file family: layouts, readers and the load and save sequences.
#include "employee/ProfileFiles.h"

#include "text/FileStore.h"
#include "text/Numbers.h"

#include <cmath>

namespace tallyrin {

namespace {

const char* const kCrLf = "\r\n";

// The present rate is stored as its "##.##" text read back, a fraction with two decimals.
// A rate with no finite value (annual salary 0) is stored as 0.
double storedPresentRate(float rate)
{
    if (!std::isfinite(rate))
        return 0;
    return leadingNumber(format(rate, "##.##"));
}

} // namespace

// ---- .use ----

std::string writeUseFile(const EmployeeProfile& p, const OvertimeTracker& t)
{
    SettingsWriter w;
    // The figures marked double are singles widened to double, so they keep their binary noise.
    w.single(t.OtEarned).dbl(t.OtMaximum).dbl(t.OtAvailable).endRecord();
    w.dbl(t.AnnualSalary).dbl(t.ApprovedPercent).dbl(storedPresentRate(t.PresentRate)).endRecord();
    w.single(p.HourRate).single(p.HourRate2).single(p.TipsRate).endRecord();
    w.text(p.FedAllowances).text(p.FedStatus).single(p.PensionPct).endRecord();
    w.single(p.CreditUnionAmt).single(p.BondAmt).single(p.MiscAmt).endRecord();
    w.single(p.DuesAmt).single(p.KPlanValue).int16(p.NonCityResident).endRecord();
    w.boolean(p.Weekly).boolean(p.BiWeekly).text(p.DeductLabel[0]).endRecord();
    w.text(p.DeductLabel[1]).text(p.DeductLabel[2]).text(p.DeductLabel[3]).text(p.DeductLabel[4]).endRecord();
    for (size_t line = 0; line < 4; ++line) {
        for (size_t i = 0; i < 4; ++i)
            w.reserved(p.UseReserved[line * 4 + i]);
        w.endRecord();
    }
    return w.str();
}

std::optional<ReadFault> readUseFile(const std::string& content, EmployeeProfile& p, OvertimeTracker& t)
{
    SettingsReader r(content);
    r.single(t.OtEarned), r.single(t.OtMaximum), r.single(t.OtAvailable);
    r.single(t.AnnualSalary), r.single(t.ApprovedPercent), r.single(t.PresentRate);
    r.single(p.HourRate), r.single(p.HourRate2), r.single(p.TipsRate);
    r.text(p.FedAllowances), r.text(p.FedStatus), r.single(p.PensionPct);
    r.single(p.CreditUnionAmt), r.single(p.BondAmt), r.single(p.MiscAmt);
    r.single(p.DuesAmt), r.single(p.KPlanValue), r.int16(p.NonCityResident);
    r.boolean(p.Weekly), r.boolean(p.BiWeekly), r.text(p.DeductLabel[0]);
    for (size_t i = 1; i < 5; ++i)
        r.text(p.DeductLabel[i]);
    for (auto& item : p.UseReserved)
        r.reserved(item);
    return r.fault();
}

// ---- .and ----

std::string writeAndFile(const EmployeeProfile& p, const StateSettings& s)
{
    SettingsWriter w;
    w.single(p.HorzOffset).single(p.VertOffset).int16(s.SpouseWorks).endRecord();
    w.single(s.CalAllow).reserved(p.AndReservedSingles[0]).reserved(p.AndReservedSingles[1]).endRecord();
    w.reserved(p.AndReservedSingles[2]).reserved(p.AndReservedSingles[3]).reserved(p.AndReservedSingles[4]).endRecord();
    w.reserved(p.AndReservedBooleans[0]).reserved(p.AndReservedBooleans[1]).reserved(p.AndReservedBooleans[2]);
    w.endRecord();
    w.text(p.EmpAddress).text(p.EmpCityStateZip).text(p.EmpSsn).endRecord();
    w.text(p.EmpName).reserved(p.AndReservedTexts[0]).reserved(p.AndReservedTexts[1]).endRecord();
    w.int16(s.RoundState).int16(s.Utah).int16(s.Wiscon).int16(s.Alabama).endRecord();
    w.int16(s.NC).reserved(p.AndReservedIntegers[0]).reserved(p.AndReservedIntegers[1]).endRecord();
    w.int16(p.KPlanPercent).int16(p.KPlanFixed).endRecord();
    return w.str();
}

std::optional<ReadFault> readAndFile(const std::string& content, EmployeeProfile& p, StateSettings& s)
{
    SettingsReader r(content);
    r.single(p.HorzOffset), r.single(p.VertOffset), r.int16(s.SpouseWorks);
    r.single(s.CalAllow);
    for (auto& item : p.AndReservedSingles)
        r.reserved(item);
    for (auto& item : p.AndReservedBooleans)
        r.reserved(item);
    r.text(p.EmpAddress), r.text(p.EmpCityStateZip), r.text(p.EmpSsn);
    r.text(p.EmpName), r.reserved(p.AndReservedTexts[0]), r.reserved(p.AndReservedTexts[1]);
    r.int16(s.RoundState), r.int16(s.Utah), r.int16(s.Wiscon), r.int16(s.Alabama);
    r.int16(s.NC), r.reserved(p.AndReservedIntegers[0]), r.reserved(p.AndReservedIntegers[1]);
    r.int16(p.KPlanPercent), r.int16(p.KPlanFixed);
    return r.fault();
}

// ---- .cfe ----

std::string writeCfeFile(const EmployeeProfile& p)
{
    SettingsWriter w;
    w.single(p.CafeteriaAmt).int16(p.CafeDeductState).int16(p.SelfEmployed).endRecord();
    return w.str();
}

std::optional<ReadFault> readCfeFile(const std::string& content, EmployeeProfile& p)
{
    SettingsReader r(content);
    r.single(p.CafeteriaAmt), r.int16(p.CafeDeductState), r.int16(p.SelfEmployed);
    return r.fault();
}

// ---- .ovw / .ovb ----

int overtimeRowCount(bool weekly) { return weekly ? 52 : 26; }

std::string writeOvertimeRows(const OvertimeTracker& t, bool weekly)
{
    SettingsWriter w;
    for (int row = 0; row < overtimeRowCount(weekly); ++row) {
        w.text(t.OtDates[row]).endRecord();
        w.dbl(leadingNumber(t.OtAmounts[row])).endRecord();
    }
    return w.str();
}

std::optional<ReadFault> readOvertimeRows(const std::string& content, OvertimeTracker& t, bool weekly)
{
    SettingsReader r(content);
    for (int row = 0; row < overtimeRowCount(weekly) && r.ok(); ++row) {
        r.text(t.OtDates[row]);
        double amount = 0;
        if (r.dbl(amount))
            t.OtAmounts[row] = screenText(amount);
    }
    return r.fault();
}

// ---- Files ----

std::filesystem::path profileFilePath(const std::filesystem::path& folder, const std::string& user,
                                      const std::string& extension)
{
    return folder / (user + extension);
}

std::string ProfileFileFault::message() const
{
    std::string text = "The file" + std::string(kCrLf) + path.filename().string() + kCrLf;
    if (!fault)
        return text + "could not be opened.";
    return text + "could not be read completely." + kCrLf + "Reading stopped at line " + std::to_string(fault->line) +
           "; the values read before it were kept.";
}

namespace {

template <typename Reader> void loadOne(const std::filesystem::path& path, ProfileLoad& load, Reader read)
{
    if (!fileExists(path))
        return;
    auto content = readWholeFile(path);
    if (!content) {
        load.faults.push_back({path, std::nullopt});
        return;
    }
    if (auto fault = read(*content))
        load.faults.push_back({path, std::move(fault)});
}

} // namespace

ProfileLoad loadProfileFamily(const std::filesystem::path& folder, const std::string& user, EmployeeProfile& profile,
                              OvertimeTracker& tracker, StateSettings& state)
{
    ProfileLoad load;
    loadOne(profileFilePath(folder, user, ".use"), load,
            [&](const std::string& c) { return readUseFile(c, profile, tracker); });
    loadOne(profileFilePath(folder, user, ".and"), load,
            [&](const std::string& c) { return readAndFile(c, profile, state); });
    loadOne(profileFilePath(folder, user, ".cfe"), load, [&](const std::string& c) { return readCfeFile(c, profile); });
    const bool weekly = profile.Weekly;
    loadOne(profileFilePath(folder, user, weekly ? ".ovw" : ".ovb"), load,
            [&](const std::string& c) { return readOvertimeRows(c, tracker, weekly); });
    return load;
}

std::string ProfileSave::message() const
{
    if (!failedFile)
        return {};
    std::string text =
        "The file" + std::string(kCrLf) + failedFile->filename().string() + kCrLf + "could not be saved.";
    if (!reason.empty())
        text += kCrLf + reason;
    return text;
}

ProfileSave saveProfileFamily(const std::filesystem::path& folder, const std::string& user, EmployeeProfile& profile,
                              OvertimeTracker& tracker, const StateSettings& state)
{
    if (!profile.Weekly && !profile.BiWeekly)
        profile.Weekly = true;
    if (profile.KPlanPercent != 1 && profile.KPlanFixed != 1)
        profile.KPlanPercent = 1;
    const bool weekly = profile.Weekly;
    for (int row = 0; row < overtimeRowCount(weekly); ++row)
        if (tracker.OtAmounts[row].empty())
            tracker.OtAmounts[row] = "0";

    const std::pair<std::string, std::string> files[] = {
        {".use", writeUseFile(profile, tracker)},
        {".and", writeAndFile(profile, state)},
        {".cfe", writeCfeFile(profile)},
        {weekly ? ".ovw" : ".ovb", writeOvertimeRows(tracker, weekly)},
    };
    ProfileSave save;
    for (const auto& [extension, content] : files) {
        const auto path = profileFilePath(folder, user, extension);
        std::string error;
        if (!replaceFile(path, content, &error)) {
            save.failedFile = path;
            save.reason = error;
            break;
        }
    }
    return save;
}

} // namespace tallyrin
