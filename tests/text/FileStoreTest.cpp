#include "text/FileStore.h"

#include "support/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tallyrin {
namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::vector<std::string> folderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileStoreTest, ReadsUtf8AsItIsAndOlderFilesAsWindows1252)
{
    TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\"Jos\xC3\xA9\",1\r\n", "\"Jos\xC3\xA9\",1\r\n"},           // UTF-8 kept
        {"\"Jos\xE9\",1\r\n", "\"Jos\xC3\xA9\",1\r\n"},               // é in the Western code page
        {"\x80\x8A\x9F\x81", "\xE2\x82\xAC\xC5\xA0\xC5\xB8\xC2\x81"}, // € Š Ÿ and an unassigned byte
        {"\xC3\x28", "\xC3\x83("},                                    // broken UTF-8 sequence
        {"\xEF\xBB\xBF"
         "1,2\r\n",
         "1,2\r\n"}, // an editor's byte-order mark
        {"", ""},
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(expected);
        writeBytes(folder / "f.use", bytes);
        EXPECT_EQ(readWholeFile(folder / "f.use"), expected);
    }
    EXPECT_FALSE(readWholeFile(folder / "missing.use").has_value());
    EXPECT_FALSE(readWholeFile(folder.path()).has_value());
}

TEST(FileStoreTest, FileExistsOnlyForReadableFiles)
{
    TempFolder folder;
    writeBytes(folder / "a.sta", "");
    EXPECT_TRUE(fileExists(folder / "a.sta"));
    EXPECT_FALSE(fileExists(folder / "b.sta"));
    EXPECT_FALSE(fileExists(folder.path()));
}

TEST(FileStoreTest, ReplaceWritesTheWholeFileAndLeavesNoTemporary)
{
    TempFolder folder;
    const auto target = folder / "Smith.use";
    std::string error;
    ASSERT_FALSE(replaceFile(target, "1,2\r\n").failed());
    EXPECT_EQ(readWholeFile(target), "1,2\r\n");
    ASSERT_FALSE(replaceFile(target, "3\r\n").failed());
    EXPECT_EQ(readWholeFile(target), "3\r\n");
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"Smith.use"});
}

// What the stand-in system calls saw, each as "call path" with the path its descriptor names.
std::vector<std::string> g_calls;

std::string pathOf(int fd)
{
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ec).string();
}

TEST(FileStoreTest, DataIsFlushedBeforeTheRenameAndTheFolderAfterIt)
{
    TempFolder folder;
    const auto target = folder / "Smith.use";
    writeBytes(target, "old\r\n");
    const ReplaceCalls real = replaceCalls();
    g_calls.clear();
    replaceCalls().write = [](int fd, const void* data, size_t size) {
        g_calls.push_back("write " + pathOf(fd));
        return ::write(fd, data, size);
    };
    replaceCalls().fsync = [](int fd) {
        g_calls.push_back("fsync " + pathOf(fd));
        return ::fsync(fd);
    };
    replaceCalls().rename = [](const char* from, const char* to) {
        g_calls.push_back(std::string("rename ") + from + " " + to);
        return ::rename(from, to);
    };
    const bool replaced = !replaceFile(target, "new\r\n").failed();
    replaceCalls() = real;
    ASSERT_TRUE(replaced);

    const std::string twin = temporaryTwin(target).string();
    const std::vector<std::string> expected{"write " + twin, "fsync " + twin, "rename " + twin + " " + target.string(),
                                            "fsync " + folder.path().string()};
    EXPECT_EQ(g_calls, expected);
    EXPECT_EQ(readWholeFile(target), "new\r\n");
}

TEST(FileStoreTest, AFailedFlushOrCloseKeepsTheOldFile)
{
    TempFolder folder;
    const auto target = folder / "Smith.use";
    writeBytes(target, "old\r\n");
    const ReplaceCalls real = replaceCalls();
    for (int failing = 0; failing < 2; ++failing) {
        if (failing == 0)
            replaceCalls().fsync = [](int) { return errno = EIO, -1; };
        else
            replaceCalls().close = [](int fd) { return ::close(fd), errno = ENOSPC, -1; };
        std::string error;
        const FileOutcome outcome = replaceFile(target, "new\r\n");
        const bool replaced = !outcome.failed();
        error = outcome.message();
        replaceCalls() = real;
        SCOPED_TRACE(failing);
        EXPECT_FALSE(replaced);
        EXPECT_NE(error.find("Smith.use"), std::string::npos) << error;
        EXPECT_EQ(readWholeFile(target), "old\r\n");
        EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"Smith.use"});
    }
}

TEST(FileStoreTest, AFileAlreadyHoldingTheBytesIsLeftAsItIs)
{
    TempFolder folder;
    const auto target = folder / "Smith.use";
    writeBytes(target, "1170,2340,1170\r\n");
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::filesystem::last_write_time(target, past);

    EXPECT_FALSE(replaceFile(target, "1170,2340,1170\r\n").failed());
    EXPECT_EQ(std::filesystem::last_write_time(target), past); // not rewritten

    EXPECT_FALSE(replaceFile(target, "1170,2340,1171\r\n").failed()); // same size, other bytes
    EXPECT_NE(std::filesystem::last_write_time(target), past);
    EXPECT_EQ(readWholeFile(target), "1170,2340,1171\r\n");
    EXPECT_FALSE(replaceFile(target, "").failed());
    EXPECT_EQ(readWholeFile(target), "");
}

TEST(FileStoreTest, FailedReplaceLeavesTheOldFileWhole)
{
    TempFolder folder;

    // The target is a folder: the rename fails, even for the superuser.
    const auto blocked = folder / "Smith.sta";
    std::filesystem::create_directory(blocked);
    writeBytes(blocked / "inside", "old");
    std::string error;
    const FileOutcome blockedOutcome = replaceFile(blocked, "new\r\n");
    EXPECT_TRUE(blockedOutcome.failed());
    error = blockedOutcome.message();
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readWholeFile(blocked / "inside"), "old");
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"Smith.sta"});

    // A folder that does not exist.
    error.clear();
    const FileOutcome nowhere = replaceFile(folder / "nowhere" / "Smith.use", "x");
    EXPECT_TRUE(nowhere.failed());
    error = nowhere.message();
    EXPECT_FALSE(error.empty());
}

TEST(FileStoreTest, DiskFullDuringTheWriteKeepsTheOldBytes)
{
    TempFolder folder;
    const auto target = folder / "Smith.yrw";
    const std::string old = "\"12/31/2009\",45.12,27.28,6.38,12.5\r\n";
    writeBytes(target, old);

    // A file-size limit makes the write fail part way, as a full disk would; it binds the superuser too.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const FileOutcome full = replaceFile(target, std::string(4096, '7'));
    const bool replaced = !full.failed();
    error = full.message();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(replaced);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readWholeFile(target), old);
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"Smith.yrw"});
}

// Whatever stands where a file should be, reading answers at once and never reads without end.
TEST(FileStoreTest, OnlyRegularFilesOfASensibleSizeAreRead)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe.use").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.use");
    std::filesystem::create_directory(folder / "dir.use");
    writeBytes(folder / "big.use", std::string(kLargestFile + 1, '1'));
    writeBytes(folder / "fine.use", std::string(kLargestFile, '1'));
    const std::pair<const char*, FileRead::Status> cases[] = {
        {"pipe.use", FileRead::Status::NotAFile}, {"zero.use", FileRead::Status::NotAFile},
        {"dir.use", FileRead::Status::NotAFile},  {"big.use", FileRead::Status::TooLarge},
        {"fine.use", FileRead::Status::Read},     {"none.use", FileRead::Status::Missing},
    };
    const auto start = std::chrono::steady_clock::now();
    for (const auto& [name, status] : cases) {
        const FileRead read = readFile(folder / name);
        EXPECT_EQ(read.status, status) << name;
        EXPECT_EQ(read.problem.empty(), status == FileRead::Status::Read || status == FileRead::Status::Missing)
            << name;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(fileExists(folder / "pipe.use"));
}

TEST(FileStoreTest, OneTemporaryTwinPerFileReusedAndStaleOnesRemoved)
{
    TempFolder folder;
    const auto target = folder / "Smith.use";
    // What a save killed half-way leaves: this version's twin, and an older version's random one.
    writeBytes(temporaryTwin(target), "half");
    writeBytes(folder / ".Smith.use.tmp123456", "half");
    writeBytes(folder / ".Smith.and.tmp99", "another file's");
    // The folder is looked through once, at its first save: every older version's twin goes then,
    // whichever file it was of.
    ASSERT_FALSE(replaceFile(target, "1,2\r\n").failed());
    EXPECT_EQ(folderNames(folder.path()), (std::vector<std::string>{"Smith.use"}));
    writeBytes(folder / ".Smith.and.tmp98", "left by another process later");
    ASSERT_FALSE(replaceFile(target, "3\r\n").failed());
    EXPECT_EQ(folderNames(folder.path()), (std::vector<std::string>{".Smith.and.tmp98", "Smith.use"}));
    EXPECT_EQ(temporaryTwin(target).filename(), ".Smith.use.tmp");
}

TEST(FileStoreTest, ADamagedFileIsKeptAsideUnderAFreeName)
{
    TempFolder folder;
    const auto file = folder / "Smith.use";
    writeBytes(file, "damaged once");
    EXPECT_EQ(keepAside(file).file, folder / "Smith.use.damaged");
    writeBytes(file, "damaged again");
    EXPECT_EQ(keepAside(file).file, folder / "Smith.use.damaged.1");
    EXPECT_EQ(readWholeFile(folder / "Smith.use.damaged"), "damaged once");
    EXPECT_EQ(readWholeFile(folder / "Smith.use.damaged.1"), "damaged again");
    EXPECT_EQ(readWholeFile(file), "damaged again"); // a copy: the file stays until it is replaced
    // A folder in the file's place is moved aside, so the save can put the file there.
    std::filesystem::create_directory(folder / "Smith.sta");
    EXPECT_EQ(keepAside(folder / "Smith.sta").file, folder / "Smith.sta.damaged");
    EXPECT_FALSE(std::filesystem::exists(folder / "Smith.sta"));
}

} // namespace
} // namespace tallyrin

namespace tallyrin {
namespace {

// A hard link planted at a save's temporary name, or at an output's, is never written through:
// the file it leads to keeps its bytes. Twins of one output never share a name.
TEST(FileStoreTest, ATwinIsAlwaysCreatedNewAndExclusively)
{
    TempFolder folder;
    const auto own = folder / "E00.yrw", other = folder / "E04.yrw";
    writeBytes(own, "E00 old\r\n");
    writeBytes(other, "E04 year\r\n");
    std::filesystem::create_hard_link(other, temporaryTwin(own));
    ASSERT_FALSE(replaceFile(own, "E00 new\r\n").failed());
    EXPECT_EQ(readWholeFile(own), "E00 new\r\n");
    EXPECT_EQ(readWholeFile(other), "E04 year\r\n");
    EXPECT_FALSE(std::filesystem::exists(temporaryTwin(own)));

    const auto out = folder / "report.csv";
    std::filesystem::create_hard_link(other, temporaryTwin(out));
    ASSERT_FALSE(writeOutputFile(out, "a,b\r\n").failed());
    EXPECT_EQ(readWholeFile(out), "a,b\r\n");
    EXPECT_EQ(readWholeFile(other), "E04 year\r\n");

    OutputTwin first(folder / "checks.pdf"), second(folder / "checks.pdf");
    EXPECT_NE(first.temporary(), second.temporary());
    // A twin swapped for a link to another file while it was being filled is not put in place.
    std::filesystem::remove(first.temporary());
    std::filesystem::create_hard_link(other, first.temporary());
    EXPECT_TRUE(first.commit(std::nullopt).failed());
    EXPECT_FALSE(std::filesystem::exists(folder / "checks.pdf"));
    EXPECT_EQ(readWholeFile(other), "E04 year\r\n");
    writeBytes(second.temporary(), "%PDF");
    EXPECT_FALSE(second.commit(std::nullopt).failed());
    EXPECT_EQ(readWholeFile(folder / "checks.pdf"), "%PDF");
}

// New files are the owner's only; a replaced file keeps its mode.
TEST(FileStoreTest, NewFilesAreTheOwnersOnlyAndReplacedFilesKeepTheirMode)
{
    TempFolder folder;
    const auto fresh = folder / "New.use", shared = folder / "Shared.use", out = folder / "out.txt";
    ASSERT_FALSE(replaceFile(fresh, "x").failed());
    ASSERT_FALSE(writeOutputFile(out, "x").failed());
    writeBytes(shared, "old");
    std::filesystem::permissions(shared, std::filesystem::perms(0640));
    ASSERT_FALSE(replaceFile(shared, "new").failed());
    EXPECT_EQ(std::filesystem::status(fresh).permissions(), std::filesystem::perms(0600));
    EXPECT_EQ(std::filesystem::status(out).permissions(), std::filesystem::perms(0600));
    EXPECT_EQ(std::filesystem::status(shared).permissions(), std::filesystem::perms(0640));
}

} // namespace
} // namespace tallyrin
