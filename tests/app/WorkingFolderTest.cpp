#include "app/WorkingFolder.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tallyrin {
namespace {

void writeBytes(const std::filesystem::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

TEST(WorkingFolderTest, FirstStartCreatesFolderAndCopiesTables)
{
    TempFolder tmp;
    writeBytes(tmp / "Federal09.dtt", "tables");
    writeBytes(tmp / "Federal09_jan.dtt", "january");
    const auto folder = tmp.path() / "home" / "Tallyrin2009";

    const auto result = prepareWorkingFolder(folder, tmp.path());

    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_EQ(fileBytes(folder / "Federal09.dtt"), "tables");
    EXPECT_EQ(fileBytes(folder / "Federal09_jan.dtt"), "january");
    EXPECT_EQ(result.copied.size(), 2u); // no help file in this data folder: nothing to copy
    // Payroll files are private: the new folder and the files put in it are the owner's alone.
    namespace fs = std::filesystem;
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(folder / "Federal09.dtt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(readableByOthers(folder).empty());
    EXPECT_FALSE(folderOpenToOthers(folder));
}

// A folder others can open is found, with its open files; tightening leaves it the owner's alone
// and touches no link.
TEST(WorkingFolderTest, AFolderOthersCanOpenIsFoundAndTightened)
{
    namespace fs = std::filesystem;
    TempFolder tmp;
    const auto folder = tmp / "Tallyrin2009";
    fs::create_directory(folder);
    writeBytes(folder / "Smith.use", "x");
    writeBytes(folder / "Smith.yrw", "x");
    writeBytes(tmp / "elsewhere.txt", "x");
    fs::permissions(tmp / "elsewhere.txt", fs::perms(0644));
    fs::create_symlink(tmp / "elsewhere.txt", folder / "link.use");
    fs::permissions(folder, fs::perms(0755));
    fs::permissions(folder / "Smith.use", fs::perms(0644));
    fs::permissions(folder / "Smith.yrw", fs::perms(0600));
    EXPECT_TRUE(folderOpenToOthers(folder));
    EXPECT_EQ(readableByOthers(folder), (std::vector<fs::path>{folder, folder / "Smith.use"}));
    EXPECT_EQ(tightenPermissions(folder), "");
    EXPECT_EQ(fs::status(folder).permissions(), fs::perms(0700));
    EXPECT_EQ(fs::status(folder / "Smith.use").permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(tmp / "elsewhere.txt").permissions(), fs::perms(0644));
    EXPECT_TRUE(readableByOthers(folder).empty());
}

TEST(WorkingFolderTest, OperatorsOwnFilesAreNeverOverwritten)
{
    TempFolder tmp;
    writeBytes(tmp / "Federal09.dtt", "shipped");
    const auto folder = tmp.path() / "work";
    std::filesystem::create_directories(folder);
    writeBytes(folder / "Federal09.dtt", "edited by the operator");

    const auto result = prepareWorkingFolder(folder, tmp.path());

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(fileBytes(folder / "Federal09.dtt"), "edited by the operator");
    EXPECT_TRUE(result.copied.empty());
}

TEST(WorkingFolderTest, AFileInTheWayOfTheFolderIsReported)
{
    TempFolder tmp;
    writeBytes(tmp / "Tallyrin2009", "not a folder");
    const auto result = prepareWorkingFolder(tmp / "Tallyrin2009", tmp.path());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("could not be created"), std::string::npos);
}

} // namespace
} // namespace tallyrin
