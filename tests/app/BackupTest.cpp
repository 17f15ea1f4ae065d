// Backups of the working folder and their restore, hostile archives included (made here with
// libarchive itself), and the backup a payday takes before it pastes.
#include "app/Backup.h"

#include "app/HoursSheet.h"
#include "app/PaydayRun.h"
#include "cli/CalcCommand.h"
#include "platform/archive/TarXz.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "text/Sha256.h"

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

const fs::path kStaff = fs::path(GOLDEN_DIR) / "cli" / "payroll-repeated-paste" / "files" / "work";

void fillFolder(const fs::path& folder)
{
    fs::copy(kStaff, folder, fs::copy_options::recursive);
    for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, folder / table);
}

// Every file of the folder but the lock and the automatic backups, by name.
std::map<std::string, std::string> kept(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != "Tallyrin.lock")
            files[entry.path().filename().string()] = fileBytes(entry.path());
    return files;
}

TEST(BackupTest, Sha256OfKnownTexts)
{
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex(std::string(1000, 'a')), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3");
}

// Back up, damage (a file deleted, one cut short, one overwritten by another employee's), restore:
// the folder is as it was. The archive holds the kept files and a manifest, no lock, no twin, no
// earlier backup; restoring again changes nothing.
TEST(BackupTest, ARestoreUndoesDamageByteForByte)
{
    TempFolder folder, out;
    fillFolder(folder.path());
    writeBytes(folder / "Tallyrin.lock", "");
    writeBytes(folder / ".Smith.use.tmp", "half");
    fs::create_directory(folder / "Backups");
    writeBytes(folder / "Backups" / "Tallyrin-20090101-000000-payday.tar.xz", "old");
    writeBytes(folder / "notes.txt", "not the program's");
    const auto original = kept(folder.path());

    const BackupResult made = writeBackup(folder.path(), out / "b.tar.xz", writeTarXz);
    ASSERT_FALSE(made.outcome.failed()) << made.outcome.message();
    const ArchiveReading archive = readTarXz(out / "b.tar.xz");
    ASSERT_EQ(archive.problem, "");
    std::vector<std::string> names;
    for (const ArchiveEntry& e : archive.entries)
        names.push_back(e.name);
    EXPECT_EQ(names.front(), "MANIFEST");
    EXPECT_EQ(names.size(), original.size() - 2 + 1); // no twin, no notes; the manifest
    EXPECT_EQ(std::count(names.begin(), names.end(), "Tallyrin.lock"), 0);
    EXPECT_NE(archive.entries[0].bytes.find(sha256Hex(fileBytes(folder / "Smith.use")) + " "), std::string::npos);
    EXPECT_EQ(fs::status(out / "b.tar.xz").permissions(), fs::perms(0600));

    fs::remove(folder / "Lee.yrw");
    writeBytes(folder / "Smith.yrw", fileBytes(folder / "Smith.yrw").substr(0, 40));
    writeBytes(folder / "Bailey.use", fileBytes(folder / "Smith.use"));
    writeBytes(folder / "Extra.use", "x");
    const RestorePlan plan = planRestore(folder.path(), readTarXz(out / "b.tar.xz"), false);
    ASSERT_EQ(plan.problem, "");
    EXPECT_EQ(plan.added, std::vector<std::string>{"Lee.yrw"});
    EXPECT_EQ(plan.replaced, (std::vector<std::string>{"Bailey.use", "Smith.yrw"}));
    EXPECT_TRUE(plan.removed.empty());
    const RestoreResult restored = applyRestore(folder.path(), plan, writeTarXz);
    ASSERT_TRUE(restored.done) << restored.problem;
    EXPECT_TRUE(fs::exists(restored.backup));
    auto after = kept(folder.path());
    EXPECT_EQ(after.erase("Extra.use"), 1u); // not in the backup: left alone without --exact
    after.erase(".Smith.use.tmp");
    auto before = original;
    before.erase(".Smith.use.tmp");
    EXPECT_EQ(after, before);
    EXPECT_FALSE(planRestore(folder.path(), readTarXz(out / "b.tar.xz"), false).changes());
    // --exact removes the kept files the backup lacks, and only those.
    const RestorePlan exact = planRestore(folder.path(), readTarXz(out / "b.tar.xz"), true);
    EXPECT_EQ(exact.removed, std::vector<std::string>{"Extra.use"});
    ASSERT_TRUE(applyRestore(folder.path(), exact, writeTarXz).done);
    EXPECT_FALSE(fs::exists(folder / "Extra.use"));
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));
}

struct Hostile
{
    const char* what;
    std::function<void(archive*)> fill;
    const char* why; // words of the refusal
    bool xz = true;
};

void addFile(archive* a, const std::string& name, const std::string& bytes, int64_t claimed = -1,
             mode_t type = AE_IFREG)
{
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname(e, name.c_str());
    archive_entry_set_filetype(e, type);
    archive_entry_set_perm(e, 0600);
    archive_entry_set_size(e, claimed >= 0 ? claimed : static_cast<la_int64_t>(bytes.size()));
    if (type == AE_IFLNK)
        archive_entry_set_symlink(e, "/etc/passwd");
    archive_write_header(a, e);
    if (type == AE_IFREG && !bytes.empty())
        archive_write_data(a, bytes.data(), bytes.size());
    archive_entry_free(e);
}

std::string manifestOf(const std::vector<std::pair<std::string, std::string>>& files)
{
    std::string text = "Tallyrin 2009 backup\nversion 1\ntime 2009-12-31 00:00:00\nfiles " + std::to_string(files.size()) + "\n";
    for (const auto& [name, bytes] : files)
        text += sha256Hex(bytes) + " " + std::to_string(bytes.size()) + " " + name + "\n";
    return text;
}

void writeHostile(const fs::path& path, const Hostile& h)
{
    archive* a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    if (h.xz)
        archive_write_add_filter_xz(a);
    else
        archive_write_add_filter_gzip(a);
    archive_write_open_filename(a, path.c_str());
    h.fill(a);
    archive_write_close(a);
    archive_write_free(a);
}

// Archives from outside that are refused whole: nothing in the folder changes, nor beside it.
TEST(BackupTest, HostileArchivesAreRefusedWithNothingWritten)
{
    const std::string use = "0,0,0\r\n";
    const auto good = [&](archive* a, const std::string& name) {
        addFile(a, "MANIFEST", manifestOf({{name, use}}));
        addFile(a, name, use);
    };
    const Hostile cases[] = {
        {"a name leaving the folder", [&](archive* a) { good(a, "../Smith.use"); }, "does not name a file of the working folder"},
        {"an absolute name", [&](archive* a) { good(a, "/tmp/Smith.use"); }, "does not name a file of the working folder"},
        {"a name in a folder", [&](archive* a) { good(a, "sub/Smith.use"); }, "does not name a file of the working folder"},
        {"a link", [&](archive* a) { addFile(a, "MANIFEST", manifestOf({})); addFile(a, "Smith.use", "", 0, AE_IFLNK); }, "is not a plain file"},
        {"a folder", [&](archive* a) { addFile(a, "MANIFEST", manifestOf({})); addFile(a, "Smith.use", "", 0, AE_IFDIR); }, "is not a plain file"},
        {"a FIFO", [&](archive* a) { addFile(a, "MANIFEST", manifestOf({})); addFile(a, "Smith.use", "", 0, AE_IFIFO); }, "is not a plain file"},
        {"a device", [&](archive* a) { addFile(a, "MANIFEST", manifestOf({})); addFile(a, "Smith.use", "", 0, AE_IFCHR); }, "is not a plain file"},
        {"a name that is no file kind", [&](archive* a) { good(a, "run.sh"); }, "is not a file the program keeps"},
        {"no manifest", [&](archive* a) { addFile(a, "Smith.use", use); }, "no manifest"},
        {"a file unlike its manifest", [&](archive* a) {
             addFile(a, "MANIFEST", manifestOf({{"Smith.use", use}}));
             addFile(a, "Smith.use", "1,0,0\r\n");
         }, "does not match its manifest"},
        {"a file its manifest lacks", [&](archive* a) { good(a, "Smith.use"); addFile(a, "Jones.use", use); }, "is not in its manifest"},
        {"a file too large", [&](archive* a) {
             const std::string big(kLargestArchiveEntry + 1, '0');
             addFile(a, "MANIFEST", manifestOf({{"Big.use", big}}));
             addFile(a, "Big.use", big);
         }, "larger than 10 MB"},
        {"another compression", [&](archive* a) { good(a, "Smith.use"); }, "xz", false},
    };
    TempFolder root;
    const fs::path folder = root / "work";
    fs::create_directory(folder);
    fillFolder(folder);
    const auto before = kept(folder);
    for (const Hostile& h : cases) {
        SCOPED_TRACE(h.what);
        const fs::path file = root / "hostile.tar.xz";
        writeHostile(file, h);
        const RestorePlan plan = planRestore(folder, readTarXz(file), false);
        EXPECT_NE(plan.problem.find(h.why), std::string::npos) << plan.problem;
        EXPECT_FALSE(applyRestore(folder, plan, writeTarXz).done);
        EXPECT_EQ(kept(folder), before);
        EXPECT_FALSE(fs::exists(folder / "Backups"));
        EXPECT_FALSE(fs::exists(root / "Smith.use"));
        std::ostringstream out, err;
        EXPECT_EQ(runCli({"--folder", folder.string(), "--restore", file.string(), "--yes"}, out, err), 1);
        EXPECT_NE(err.str().find("nothing was written"), std::string::npos) << err.str();
    }
    // Not an archive, and an archive cut short.
    writeBytes(root / "text.tar.xz", "just text");
    EXPECT_NE(planRestore(folder, readTarXz(root / "text.tar.xz"), false).problem, "");
    ASSERT_FALSE(writeBackup(folder, root / "whole.tar.xz", writeTarXz).outcome.failed());
    const std::string whole = fileBytes(root / "whole.tar.xz");
    writeBytes(root / "cut.tar.xz", whole.substr(0, whole.size() / 2));
    EXPECT_NE(planRestore(folder, readTarXz(root / "cut.tar.xz"), false).problem, "");
    EXPECT_EQ(kept(folder), before);
}

// A payday that pastes backs the folder up first, and restoring that backup undoes it byte for
// byte; a backup that cannot be made stops the payday before anyone is paid.
TEST(BackupTest, APaydayIsBackedUpFirstAndTheBackupUndoesIt)
{
    TempFolder folder;
    fillFolder(folder.path());
    const auto before = kept(folder.path());
    std::istringstream csv("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nSmith,40,,,,,,,,0,7\n");
    PaydayOptions options{"02/13/2009", false, true};
    options.backup = writeTarXz;
    PaydayRun run(folder.path(), *readHoursSheet(csv).sheet, options, [] { return CalendarDate{2009, 2, 13}; });
    run.runAll();
    ASSERT_TRUE(run.lines()[0].paid) << run.lines()[0].message;
    ASSERT_TRUE(fs::exists(run.backupFile()));
    run.releaseFolder();
    EXPECT_NE(kept(folder.path()), before);
    const RestoreResult undone = applyRestore(folder.path(), planRestore(folder.path(), readTarXz(run.backupFile()), false), writeTarXz);
    ASSERT_TRUE(undone.done) << undone.problem;
    EXPECT_EQ(kept(folder.path()), before);

    // Backups/ taken by a file: no backup, nobody paid.
    fs::remove_all(folder / "Backups");
    writeBytes(folder / "Backups", "in the way");
    std::istringstream again("user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\nSmith,40,,,,,,,,0,7\n");
    PaydayRun stopped(folder.path(), *readHoursSheet(again).sheet, options, [] { return CalendarDate{2009, 2, 13}; });
    stopped.runAll();
    EXPECT_FALSE(stopped.lines()[0].paid);
    EXPECT_NE(stopped.lines()[0].message.find("could not be backed up"), std::string::npos) << stopped.lines()[0].message;
    auto now = kept(folder.path());
    now.erase("Backups");
    EXPECT_EQ(now, before);
}

// Only the newest automatic backups stay.
TEST(BackupTest, TheNewestTwentyAutomaticBackupsStay)
{
    TempFolder folder;
    fillFolder(folder.path());
    fs::create_directory(folder / "Backups");
    for (int day = 1; day <= 25; ++day)
        writeBytes(folder / "Backups" / ("Tallyrin-200901" + std::string(day < 10 ? "0" : "") + std::to_string(day) +
                                          "-120000-payday.tar.xz"),
                   "old");
    writeBytes(folder / "Backups" / "mine.tar.xz", "the clerk's own");
    const BackupResult made = automaticBackupLocked(folder.path(), "payday", writeTarXz);
    ASSERT_FALSE(made.outcome.failed());
    size_t automatic = 0;
    for (const auto& entry : fs::directory_iterator(folder / "Backups"))
        automatic += entry.path().filename().string().starts_with("Tallyrin-");
    EXPECT_EQ(automatic, kBackupsKept);
    EXPECT_TRUE(fs::exists(made.outcome.file));
    EXPECT_FALSE(fs::exists(folder / "Backups" / "Tallyrin-20090106-120000-payday.tar.xz"));
    EXPECT_TRUE(fs::exists(folder / "Backups" / "Tallyrin-20090107-120000-payday.tar.xz"));
    EXPECT_TRUE(fs::exists(folder / "Backups" / "mine.tar.xz"));
}

// The command line: a restore shows what it would change and writes only with --yes.
TEST(BackupTest, TheCommandLineRestoresOnlyWithYes)
{
    TempFolder folder, out;
    fillFolder(folder.path());
    std::ostringstream o1, e1;
    ASSERT_EQ(runCli({"--folder", folder.path().string(), "--backup", (out / "b.tar.xz").string()}, o1, e1), 0) << e1.str();
    EXPECT_NE(o1.str().find("Backed up"), std::string::npos);
    const std::string smith = fileBytes(folder / "Smith.use");
    writeBytes(folder / "Smith.use", "changed");
    std::ostringstream o2, e2;
    EXPECT_EQ(runCli({"--folder", folder.path().string(), "--restore", (out / "b.tar.xz").string()}, o2, e2), 1);
    EXPECT_NE(o2.str().find("Replaced (1): Smith.use"), std::string::npos) << o2.str();
    EXPECT_EQ(fileBytes(folder / "Smith.use"), "changed");
    std::ostringstream o3, e3;
    EXPECT_EQ(runCli({"--folder", folder.path().string(), "--restore", (out / "b.tar.xz").string(), "--yes"}, o3, e3), 0)
        << e3.str();
    EXPECT_EQ(fileBytes(folder / "Smith.use"), smith);
}

} // namespace
} // namespace tallyrin
