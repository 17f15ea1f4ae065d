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
