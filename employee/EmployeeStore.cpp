#include "employee/EmployeeStore.h"

#include "employee/CompanyHeader.h"
#include "employee/ProfileFiles.h"
#include "employee/SavedPayPeriod.h"
#include "engine/FederalTableFile.h"
#include "local/LocalFiles.h"
#include "local/LocalPresets.h"
#include "state/StateBoxes.h"
#include "state/StateFile.h"
#include "text/FileMessages.h"
#include "text/FileStore.h"
#include "text/FolderLock.h"
#include "text/SettingsFormat.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace tallyrin {
namespace {

template <const char* Extension> std::string fixed(const Employee&) { return Extension; }
std::string overtimeKind(const Employee& e) { return overtimeExtension(e.profile.Weekly); }
std::string ledgerKind(const Employee& e) { return YtdLedger::extension(e.profile.biWeekly()); }

constexpr char kUse[] = ".use", kAnd[] = ".and", kCfe[] = ".cfe", kSta[] = ".sta", kCti[] = ".cti",
               kNci[] = ".nci", kHol[] = ".hol", kW2n[] = ".w2n", kDd[] = ".dd";

// The state file's path names the folder and the user; the others are read by path.
fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }
std::string userOf(const fs::path& file, const std::string& extension)
{
    const std::string name = file.filename().string();
    return name.substr(0, name.size() - extension.size());
}

const std::vector<EmployeeFileKind> kKinds{
    {".use", true, 1, fixed<kUse>, [](const fs::path& f, Employee& e) { return loadUseFile(f, e.profile, e.overtime); },
     [](const fs::path& f, const Employee& e) { return saveUseFile(f, e.profile, e.overtime); },
     [](const Employee& e) { return writeUseFile(e.profile, e.overtime); },
     [](const std::string& c, Employee& e) { return readUseFile(c, e.profile, e.overtime); }},
    {".and", true, 2, fixed<kAnd>, [](const fs::path& f, Employee& e) { return loadAndFile(f, e.profile, e.state); },
     [](const fs::path& f, const Employee& e) { return saveAndFile(f, e.profile, e.state); },
     [](const Employee& e) { return writeAndFile(e.profile, e.state); },
     [](const std::string& c, Employee& e) { return readAndFile(c, e.profile, e.state); }},
    {".cfe", true, 3, fixed<kCfe>, [](const fs::path& f, Employee& e) { return loadCfeFile(f, e.profile); },
     [](const fs::path& f, const Employee& e) { return saveCfeFile(f, e.profile); },
     [](const Employee& e) { return writeCfeFile(e.profile); },
     [](const std::string& c, Employee& e) { return readCfeFile(c, e.profile); }},
    // The rows file follows the frequency the .use file just gave.
    {".ovw/.ovb", true, 4, overtimeKind,
     [](const fs::path& f, Employee& e) { return loadOvertimeFile(f, e.overtime, e.profile.Weekly); },
     [](const fs::path& f, const Employee& e) { return saveOvertimeFile(f, e.overtime, e.profile.Weekly); },
     [](const Employee& e) { return writeOvertimeRows(e.overtime, e.profile.Weekly); },
     [](const std::string& c, Employee& e) { return readOvertimeRows(c, e.overtime, e.profile.Weekly); }},
    // Open settles the profile before the ledger (the frequency decides the ledger's file), and an
    // employee without a ledger file starts from an empty one.
    {".yrw/.yrb", false, 0, ledgerKind,
     [](const fs::path& f, Employee& e) {
         settleOpenedProfile(e.profile);
         e.ledger.setBiWeekly(e.profile.biWeekly());
         return e.ledger.openEmployee(folderOf(f), userOf(f, ledgerKind(e)));
     },
     nullptr, [](const Employee& e) { return e.ledger.fileContent(); }, nullptr},
    {".sta", false, 6, fixed<kSta>,
     [](const fs::path& f, Employee& e) { return loadStateFile(folderOf(f), userOf(f, kSta), e.state, e.profile); },
     [](const fs::path& f, const Employee& e) { return saveStateFile(folderOf(f), userOf(f, kSta), e.state, e.profile); },
     [](const Employee& e) { return writeStateSettings(e.state, e.profile); },
     [](const std::string& c, Employee& e) { return readStateSettings(c, e.state, e.profile); }},
    {".cti", false, 7, fixed<kCti>, [](const fs::path& f, Employee& e) { return LoadCityFile(f, e.city); },
     [](const fs::path& f, const Employee& e) { return SaveCityFile(f, e.city); },
     [](const Employee& e) { return cityFileText(e.city); },
     [](const std::string& c, Employee& e) { return readCityFileText(c, e.city); }},
    // An employee without a ".nci" file has the non-city defaults.
    {".nci", false, 8, fixed<kNci>,
     [](const fs::path& f, Employee& e) {
         NonCitySettings read = nonCityDefaults();
         FileOutcome outcome = LoadNonCityFile(f, read);
         e.nonCity = read;
         return outcome;
     },
     [](const fs::path& f, const Employee& e) { return SaveNonCityFile(f, e.nonCity); },
     [](const Employee& e) { return nonCityFileText(e.nonCity); },
     [](const std::string& c, Employee& e) { return readNonCityFileText(c, e.nonCity); }},
    // The leave balances are saved right after the profile family.
    {".hol", false, 5, fixed<kHol>, [](const fs::path& f, Employee& e) { return loadLeaveFile(f, e.leave); },
     [](const fs::path& f, const Employee& e) { return saveLeaveFile(f, e.leave); },
     [](const Employee& e) { return writeLeaveFile(e.leave); },
     [](const std::string& c, Employee& e) { return readLeaveFile(c, e.leave); }},
    // The W-2 name and address, when the operator gave them; written only by their own screen.
    {".w2n", false, 0, fixed<kW2n>, [](const fs::path& f, Employee& e) { return loadW2NameFile(f, e.w2Name); },
     nullptr, [](const Employee& e) { return writeW2NameFile(e.w2Name.value_or(W2Name{})); },
     [](const std::string& c, Employee& e) {
         W2Name read = e.w2Name.value_or(W2Name{});
         const auto fault = readW2NameFile(c, read);
         e.w2Name = read;
         return fault;
     }},
    // The direct-deposit account, when the employee has one; written only by its own screen.
    {".dd", false, 0, fixed<kDd>, [](const fs::path& f, Employee& e) { return loadDepositFile(f, e.deposit); },
     nullptr, [](const Employee& e) { return writeDepositFile(e.deposit.value_or(DepositAccount{})); },
     [](const std::string& c, Employee& e) {
         DepositAccount read;
         const auto fault = readDepositFile(c, read);
         e.deposit = read;
         return fault;
     }},
};

std::string listed(const std::vector<std::string>& names)
{
    std::string text;
    for (const auto& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

} // namespace

const std::vector<EmployeeFileKind>& employeeFileKinds() { return kKinds; }

bool isKeptFileName(const std::string& name)
{
    const auto endsWith = [&name](const std::string& end) {
        return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    if (name == kHeaderFileName || name == kEmployerFileName || name == kFederalFile || name == kFederalJanuaryFile ||
        endsWith(kSavedPeriodExtension))
        return true;
    // Every kind's extension for either frequency, worked out once.
    static const std::vector<std::string> extensions = [] {
        std::vector<std::string> all;
        Employee weekly, biWeekly;
        weekly.profile.Weekly = true, weekly.profile.BiWeekly = false;
        biWeekly.profile.Weekly = false, biWeekly.profile.BiWeekly = true;
        for (const EmployeeFileKind& kind : kKinds)
            for (const Employee* e : {&weekly, &biWeekly})
                all.push_back(kind.extension(*e));
        return all;
    }();
    return std::any_of(extensions.begin(), extensions.end(), endsWith);
}

std::optional<std::string> programFileRefused(const fs::path& folder, const fs::path& target)
{
    const fs::path parent = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::equivalent(parent, folder, ec) || ec)
        return std::nullopt;
    const std::string name = target.filename().string();
    if (!isKeptFileName(name) && name != kLockFileName && name != "Tly2k.chm")
        return std::nullopt;
    return name + " is a file the program keeps in the working folder; choose another name or folder";
}

std::vector<FileOutcome> EmployeeStore::open(const EmployeeFiles& files, Employee& employee,
                                             const std::function<FileOutcome()>& sharedTables, bool profileFamilyOnly)
{
    std::vector<FileOutcome> read;
    for (const EmployeeFileKind& kind : kKinds) {
        if (profileFamilyOnly && !kind.profileFamily)
            continue;
        read.push_back(kind.load(files.path(kind.extension(employee)), employee));
        if (kind.extension == ledgerKind && sharedTables)
            read.push_back(sharedTables()); // the federal tables follow the ledger
    }
    return read;
}

void EmployeeStore::settleOpened(const EmployeeFiles& files, Employee& employee, const std::vector<FileOutcome>& read)
{
    const auto outcomeOf = [&](const char* extension) {
        for (const FileOutcome& outcome : read)
            if (outcome.file == files.path(extension))
                return outcome.kind;
        return FileOutcome::Kind::Missing;
    };
    settleOpenedState(employee.state, employee.profile, outcomeOf(".sta") != FileOutcome::Kind::Missing);
    settleOpenedCity(employee.city, outcomeOf(".cti") == FileOutcome::Kind::Done);
}

FileOutcome EmployeeStore::openKind(const EmployeeFiles& files, Employee& employee, const std::string& name)
{
    for (const EmployeeFileKind& kind : kKinds)
        if (name == kind.name)
            return kind.load(files.path(kind.extension(employee)), employee);
    return FileOutcome::missing(files.path(name));
}

std::vector<FileOutcome> EmployeeStore::reloadForCalculation(const EmployeeFiles& files, Employee& employee,
                                                             bool city, bool state)
{
    std::vector<FileOutcome> read;
    if (city) {
        read.push_back(openKind(files, employee, ".cti"));
        settleOpenedCity(employee.city, read.back().kind == FileOutcome::Kind::Done);
    }
    if (state) {
        read.push_back(openKind(files, employee, ".sta"));
        const bool shown = read.back().found();
        for (FileOutcome& outcome : open(files, employee, {}, true))
            read.push_back(std::move(outcome));
        settleStateForCalculation(employee.state, employee.profile, shown);
    }
    return read;
}

StoreSave EmployeeStore::save(const EmployeeFiles& files, const std::string& user, Employee& employee,
                              std::set<fs::path>& damaged, bool profileFamilyOnly)
{
    StoreSave result;
    // The employee's files are written as one sequence: another run of the program saving in this
    // folder waits until all of them are written.
    std::string busy;
    const auto lock = FolderLock::acquire(files.folder(), &busy);
    if (!lock) {
        result.outcomes.push_back(FileOutcome::writeFailed(files.folder(), {busy, "Nothing was saved."}));
        result.saved = false;
        return result;
    }
    prepareProfileSave(employee.profile, employee.overtime);
    std::vector<const EmployeeFileKind*> saves;
    for (const EmployeeFileKind& kind : kKinds)
        if (kind.save && (kind.profileFamily || !profileFamilyOnly))
            saves.push_back(&kind);
    std::sort(saves.begin(), saves.end(),
              [](const EmployeeFileKind* a, const EmployeeFileKind* b) { return a->saveOrder < b->saveOrder; });
    const auto nameOf = [&](const EmployeeFileKind* kind) { return user + kind->extension(employee); };
    std::vector<std::string> written;
    for (size_t i = 0; i < saves.size(); ++i) {
        const fs::path file = files.folder() / nameOf(saves[i]);
        // Before a save replaces a file that could not be read whole, the file is kept beside itself.
        if (damaged.count(file)) {
            const FileOutcome kept = keepAside(file);
            if (kept.failed()) {
                result.outcomes.push_back(
                    FileOutcome::writeFailed(file, messages::notKeptAside(file.filename().string(), kept.message())));
                result.saved = false;
                return result;
            }
            result.outcomes.push_back(
                FileOutcome::keptAside(file, messages::keptAside(file.filename().string(), kept.file.filename().string())));
            damaged.erase(file);
        }
        FileOutcome outcome = saves[i]->save(file, employee);
        if (outcome.failed() && saves.size() > 1) {
            // A save that stops part-way says what it did and did not write.
            std::vector<std::string> left;
            for (size_t k = i; k < saves.size(); ++k)
                left.push_back(nameOf(saves[k]));
            outcome.lines.push_back(written.empty() ? "No file was saved." : "Saved: " + listed(written) + ".");
            outcome.lines.push_back("Not saved: " + listed(left) + ".");
        }
        const bool failed = outcome.failed();
        result.outcomes.push_back(std::move(outcome));
        if (failed) {
            result.saved = false;
            return result;
        }
        written.push_back(nameOf(saves[i]));
    }
    return result;
}

} // namespace tallyrin
