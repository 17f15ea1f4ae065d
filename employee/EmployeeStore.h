// The store of one employee's files, below every screen: one table of the file kinds, each row a
// set of free functions over the Employee record (its extension, how Open reads it, how Save
// writes it, its text). Open reads the kinds in the table's order and Save writes them in their
// save order; the workspace, the payday run, the staff list and the reports all go through it. A
// new file kind is one record file and one row here.
#pragma once

#include "employee/Employee.h"
#include "employee/EmployeeFiles.h"
#include "text/FileOutcome.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tallyrin {

struct EmployeeFileKind
{
    const char* name;   // ".use"; ".ovw/.ovb" and ".yrw/.yrb" follow the pay frequency
    bool profileFamily; // one of .use, .and, .cfe, .ovw/.ovb, which travel together
    int saveOrder;      // where Save writes it; 0 when Save never does (the ledger is written
                        // only when its frame closes with Yes, the W-2 name and the deposit
                        // account by their own screens)
    std::string (*extension)(const Employee&);
    FileOutcome (*load)(const std::filesystem::path& file, Employee&);
    FileOutcome (*save)(const std::filesystem::path& file, const Employee&); // null when saveOrder is 0
    // The file's text as a save writes it, and its reading (null for the ledger, read from its file).
    std::string (*text)(const Employee&);
    std::optional<ReadFault> (*read)(const std::string& content, Employee&);
};

// In the order Open reads them.
const std::vector<EmployeeFileKind>& employeeFileKinds();

// The employer's filing facts, kept beside the company header.
inline constexpr const char* kEmployerFileName = "Employer.sav";

// Whether `name` is a file the program keeps for the payroll in the working folder: any
// employee's file of any kind, a saved period, the company header, the employer file or the
// federal tables. (Not the lock, the help file, temporary twins or damaged copies.)
bool isKeptFileName(const std::string& name);

// Why an output may not be written at `target`: it names a file the program keeps in the working
// folder `folder` (any employee's file of any kind, a saved period, the company header, the
// federal tables, the help file, the lock). nullopt for any other name or folder.
std::optional<std::string> programFileRefused(const std::filesystem::path& folder, const std::filesystem::path& target);

struct StoreSave
{
    // One outcome for every file written or not, in order: a damaged file kept aside before it was
    // replaced, and a save that stopped, naming what was and was not saved.
    std::vector<FileOutcome> outcomes;
    bool saved = true;
};

class EmployeeStore
{
public:
    // Reads every file of the employee in Open's order (or only the profile family), one outcome
    // each; `sharedTables` (the federal tables) is read at its place in that order, after the
    // ledger. A missing file leaves its record as it was; a damaged one is read up to its fault
    // and the rest are still read. Nothing is remembered: the caller keeps what it needs to save.
    static std::vector<FileOutcome> open(const EmployeeFiles& files, Employee& employee,
                                         const std::function<FileOutcome()>& sharedTables = {},
                                         bool profileFamilyOnly = false);
    // What Open makes of what it read, through the screens' boxes but with no screen: the state
    // settings shown (when their file was there), blanks filled and read back; the city settings
    // the same way (a set "NO LOCAL TAX" showing the no-tax table). `read` is what open returned.
    static void settleOpened(const EmployeeFiles& files, Employee& employee, const std::vector<FileOutcome>& read);
    // Reads one kind of file, by its name in the table (".sta", ".ovw/.ovb").
    static FileOutcome openKind(const EmployeeFiles& files, Employee& employee, const std::string& name);

    // What every calculation reads afresh, the settings of a screen the operator has open aside:
    // the city file (`city`), then the state file and after it the profile family (`state`), as
    // the state screen's opening reads them; the city and state settings are then settled through
    // their screens' boxes, the checked states' presets included. One outcome per file read.
    static std::vector<FileOutcome> reloadForCalculation(const EmployeeFiles& files, Employee& employee, bool city,
                                                         bool state);

    // Writes every file Save writes (or only the profile family) under `user`, in save order, after
    // the profile family's preparation. A file in `damaged` (one that could not be read whole) is
    // kept aside first, and taken out of the set; a failure ends the save at that file. The whole
    // sequence holds the working folder's lock.
    static StoreSave save(const EmployeeFiles& files, const std::string& user, Employee& employee,
                          std::set<std::filesystem::path>& damaged, bool profileFamilyOnly = false);
};

} // namespace tallyrin
