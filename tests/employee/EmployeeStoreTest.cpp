// The store over every file kind of its table: what Open reads, Save writes back byte for byte
// under another name, and each kind's text reads back as written; Make Default through the real
// workspace writes every default file, the leave balances' included.
#include "employee/EmployeeStore.h"

#include "session/Workspace.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

// A weekly employee with every file, and a bi-weekly one, both as the program saved them.
const fs::path kWeekly = fs::path(GOLDEN_DIR) / "cli" / "payroll-normal" / "files" / "work";

TEST(EmployeeStoreTest, EveryKindReadsAndSavesBackByteForByte)
{
    for (const char* user : {"Smith", "Bailey"}) {
        SCOPED_TRACE(user);
        TempFolder folder;
        fs::copy(kWeekly, folder.path(), fs::copy_options::recursive);
        fs::copy_file(fs::path(TEST_DATA_DIR) / "employee" / "Smith.hol", folder / (std::string(user) + ".hol"),
                      fs::copy_options::overwrite_existing);
        Employee employee;
        const EmployeeFiles files(folder.path(), user);
        for (const FileOutcome& outcome : EmployeeStore::open(files, employee))
            EXPECT_FALSE(outcome.failed()) << outcome.file << ": " << outcome.message();

        std::set<fs::path> damaged;
        const StoreSave saved = EmployeeStore::save(files, "Copy", employee, damaged);
        ASSERT_TRUE(saved.saved);
        for (const EmployeeFileKind& kind : employeeFileKinds()) {
            const std::string extension = kind.extension(employee);
            SCOPED_TRACE(extension);
            if (!fs::exists(folder / (user + extension))) {
                // A file the employee did not have yet: Save writes what the record holds.
                if (kind.save) {
                    EXPECT_EQ(fileBytes(folder / ("Copy" + extension)), kind.text(employee));
                }
                continue;
            }
            const std::string original = fileBytes(folder / (user + extension));
            // Each kind's text is what its file holds, and reads back into the same text.
            EXPECT_EQ(kind.text(employee), original);
            if (kind.read) {
                Employee again = employee;
                EXPECT_FALSE(kind.read(original, again));
                EXPECT_EQ(kind.text(again), original);
            }
            if (kind.save) {
                EXPECT_EQ(fileBytes(folder / ("Copy" + extension)), original);
            } else {
                EXPECT_FALSE(fs::exists(folder / ("Copy" + extension))); // the ledger waits for its frame
            }
        }
    }
}

TEST(EmployeeStoreTest, ADamagedFileIsKeptAsideBeforeTheSaveReplacesIt)
{
    TempFolder folder;
    fs::copy(kWeekly, folder.path(), fs::copy_options::recursive);
    writeBytes(folder / "Smith.cti", "12,garbage\r\n");
    Employee employee;
    const EmployeeFiles files(folder.path(), "Smith");
    std::set<fs::path> damaged;
    for (const FileOutcome& outcome : EmployeeStore::open(files, employee))
        if (outcome.kind == FileOutcome::Kind::Corrupt)
            damaged.insert(outcome.file);
    ASSERT_EQ(damaged, std::set<fs::path>{folder / "Smith.cti"});
    const StoreSave saved = EmployeeStore::save(files, "Smith", employee, damaged);
    ASSERT_TRUE(saved.saved);
    EXPECT_TRUE(damaged.empty());
    EXPECT_EQ(fileBytes(folder / "Smith.cti.damaged"), "12,garbage\r\n");
    bool told = false;
    for (const FileOutcome& outcome : saved.outcomes)
        told = told || outcome.kind == FileOutcome::Kind::KeptAside;
    EXPECT_TRUE(told);
}

TEST(EmployeeStoreTest, MakeDefaultWritesEveryDefaultFileWithTheLeaveBalances)
{
    TempFolder folder;
    fs::copy(kWeekly, folder.path(), fs::copy_options::recursive);
    fs::copy_file(fs::path(TEST_DATA_DIR) / "employee" / "Smith.hol", folder / "Smith.hol");
    for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, folder / table);
    ScriptedDialogs dialogs;
    Workspace ws(dialogs, folder.path());
    ws.startUp();
    ws.openEmployee(folder / "Smith.use");
    ws.stateScreen.open();
    ASSERT_TRUE(ws.stateScreen.cmdMkDefault_Click());
    EXPECT_TRUE(dialogs.messages().empty());
    for (const char* extension : {".use", ".and", ".cfe", ".ovw", ".hol", ".sta", ".cti", ".nci"}) {
        SCOPED_TRACE(extension);
        ASSERT_TRUE(fs::exists(folder / extension));
        EXPECT_EQ(fileBytes(folder / extension), fileBytes(folder / (std::string("Smith") + extension)));
    }
}

} // namespace
} // namespace tallyrin
