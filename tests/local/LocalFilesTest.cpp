// The ".cti" and ".nci" files: byte-exact against hand-written samples, round trips, and what a
// corrupt, missing or unwritable file comes to.
#include "local/LocalFiles.h"
#include "local/LocalPresets.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include "text/FileStore.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace tallyrin {
namespace {

const std::filesystem::path samples = std::filesystem::path(TEST_DATA_DIR) / "local";

TEST(LocalFilesTest, CityPresetFileIsByteExact)
{
    const std::string text = cityFileText(newYorkCityPreset());
    EXPECT_EQ(text, fileBytes(samples / "NewYork.cti"));
    EXPECT_NE(text.find("\r\n308,5.85,.0265,308,5.85,.0265\r\n"), std::string::npos);

    CitySettings read = noLocalTaxTable();
    EXPECT_FALSE(readCityFileText(text, read));
    EXPECT_EQ(cityFileText(read), text);
}

TEST(LocalFilesTest, NumbersReadWithOrWithoutTheZeroBeforeThePoint)
{
    CitySettings read;
    ASSERT_EQ(LoadCityFile(samples / "Custom.cti", read).kind, FileOutcome::Kind::Done);
    EXPECT_FLOAT_EQ(read.CityPerBS[0], 0.01f);
    EXPECT_FLOAT_EQ(read.CityPerBM[0], 0.02f);
    EXPECT_FLOAT_EQ(read.CityPerBM[1], 0.03f);
    EXPECT_FLOAT_EQ(read.CityMinBM[2], 1500);
    EXPECT_FLOAT_EQ(read.CitySgExp[9], 190);
    EXPECT_FLOAT_EQ(read.CityMarExp[0], 150);
}

TEST(LocalFilesTest, NonCityDefaultsFileIsByteExact)
{
    const std::string text = nonCityFileText(nonCityDefaults());
    EXPECT_EQ(text, fileBytes(samples / "Defaults.nci"));
    EXPECT_TRUE(text.ends_with("\r\n.0045\r\n"));

    NonCitySettings read;
    EXPECT_FALSE(readNonCityFileText(text, read));
    EXPECT_EQ(nonCityFileText(read), text);
}

TEST(LocalFilesTest, SaveThenLoadGivesTheSameSettings)
{
    TempFolder folder;
    CitySettings city = newYorkCityPreset();
    city.CityPerBM[3] = 0.0375f;
    city.CityMarExp[4] = 1e7f;
    city.CityAmtBS[1] = -2.5f;
    city.NoLocalTax = 1;
    const auto ctiPath = cityFilePath(folder.path(), "Smith");
    EXPECT_EQ(ctiPath, folder / "Smith.cti");
    EXPECT_FALSE(CityFileExists(ctiPath));
    ASSERT_FALSE(SaveCityFile(ctiPath, city).failed());
    EXPECT_TRUE(CityFileExists(ctiPath));
    CitySettings cityRead;
    EXPECT_EQ(LoadCityFile(ctiPath, cityRead).kind, FileOutcome::Kind::Done);
    EXPECT_EQ(cityFileText(cityRead), cityFileText(city));

    NonCitySettings nonCity = nonCityDefaults();
    nonCity.NonExpWk[2] = 37.5f;
    nonCity.NonPer = 0.0035f;
    const auto nciPath = nonCityFilePath(folder.path(), "Smith");
    EXPECT_EQ(nciPath, folder / "Smith.nci");
    ASSERT_FALSE(SaveNonCityFile(nciPath, nonCity).failed());
    EXPECT_TRUE(NonCityFileExists(nciPath));
    NonCitySettings nonCityRead;
    EXPECT_EQ(LoadNonCityFile(nciPath, nonCityRead).kind, FileOutcome::Kind::Done);
    EXPECT_EQ(nonCityFileText(nonCityRead), nonCityFileText(nonCity));
}

TEST(LocalFilesTest, TruncatedCityFileKeepsWhatWasReadBeforeTheFault)
{
    CitySettings s = noLocalTaxTable();
    const auto result = LoadCityFile(samples / "Truncated.cti", s);
    ASSERT_TRUE(result.failed());
    EXPECT_EQ(result.message(), "You have corupted a file.\r\nFind file,\r\nTruncated.cti\r\nand delete it.");

    const CitySettings& ny = newYorkCityPreset();
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.CityMinBS[i], ny.CityMinBS[i]);
        EXPECT_EQ(s.CityPerBM[i], ny.CityPerBM[i]);
    }
    // Row 4 was cut after its second number.
    EXPECT_EQ(s.CityMinBS[3], 577);
    EXPECT_FLOAT_EQ(s.CityAmtBS[3], 14.08f);
    EXPECT_EQ(s.CityPerBS[3], 0);
    EXPECT_EQ(s.CityMinBM[3], UnusedBound);
    EXPECT_EQ(s.CityMinBS[4], UnusedBound);
    EXPECT_EQ(s.NoLocalTax, 1);
    EXPECT_EQ(s.CitySgExp[0], 0);
}

TEST(LocalFilesTest, CorruptFilesNameThemselves)
{
    CitySettings city = noLocalTaxTable();
    const auto cityResult = LoadCityFile(samples / "NotNumber.cti", city);
    ASSERT_TRUE(cityResult.failed());
    EXPECT_EQ(cityResult.message(), "You have corupted a file.\r\nFind file,\r\nNotNumber.cti\r\nand delete it.");
    EXPECT_EQ(city.CityMinBS[1], 308); // read before the fault
    EXPECT_EQ(city.CityAmtBS[1], 0);   // the fault itself changes nothing
    EXPECT_EQ(city.CityPerBS[1], 0);

    NonCitySettings nonCity;
    const auto nonCityResult = LoadNonCityFile(samples / "Truncated.nci", nonCity);
    ASSERT_TRUE(nonCityResult.failed());
    EXPECT_EQ(nonCityResult.message(), "You have corupted a file.\r\nFind file,\r\nTruncated.nci\r\nand delete it.");
    EXPECT_EQ(nonCity.NonMinBi[2], 385);
    EXPECT_EQ(nonCity.NonExpBi[2], 77);
    EXPECT_EQ(nonCity.NonMinWk[2], 0);
}

TEST(LocalFilesTest, MissingFileReadsNothing)
{
    TempFolder folder;
    CitySettings city = newYorkCityPreset();
    EXPECT_EQ(LoadCityFile(folder / "Nobody.cti", city).kind, FileOutcome::Kind::Missing);
    EXPECT_EQ(cityFileText(city), cityFileText(newYorkCityPreset()));
    NonCitySettings nonCity;
    nonCity.NonPer = 0.5f;
    EXPECT_EQ(LoadNonCityFile(folder / "Nobody.nci", nonCity).kind, FileOutcome::Kind::Missing);
    EXPECT_EQ(nonCity.NonPer, 0.5f);
}

TEST(LocalFilesTest, FailedWriteSaysSoAndKeepsTheOldFile)
{
    TempFolder folder;
    const auto nowhere = folder / "no such folder";
    const auto city = SaveCityFile(nowhere / "Smith.cti", newYorkCityPreset());
    ASSERT_TRUE(city.failed());
    // The system's three lines, then which file and why.
    EXPECT_EQ(city.message().rfind(std::string("Check your numbers\r\nNo blanks\r\nOnly numbers\r\n"
                                               "The file\r\nSmith.cti\r\ncould not be saved.\r\n"),
                                   0),
              0u)
        << city.message();
    EXPECT_NE(city.message().find("No such file or directory"), std::string::npos);
    const auto nonCity = SaveNonCityFile(nowhere / "Smith.nci", nonCityDefaults());
    ASSERT_TRUE(nonCity.failed());
    EXPECT_EQ(nonCity.message().rfind("Check your numbers\r\nNo blanks\r\nOnly numbers\r\nThe file\r\nSmith.nci", 0), 0u);

    // A full disk: the system's three lines, then the file and the system's reason.
    const ReplaceCalls real = replaceCalls();
    replaceCalls().write = [](int, const void*, size_t) -> ssize_t { return errno = ENOSPC, -1; };
    const auto full = SaveCityFile(folder / "Full.cti", newYorkCityPreset());
    replaceCalls() = real;
    ASSERT_TRUE(full.failed());
    EXPECT_EQ(full.message().rfind("Check your numbers\r\nNo blanks\r\nOnly numbers\r\n", 0), 0u);
    EXPECT_NE(full.message().find("No space left on device"), std::string::npos) << full.message();
    EXPECT_FALSE(std::filesystem::exists(folder / "Full.cti"));

    // A name taken by a folder cannot be replaced: it stays as it was.
    std::filesystem::create_directory(folder / "Jones.cti");
    EXPECT_TRUE(SaveCityFile(folder / "Jones.cti", newYorkCityPreset()).failed());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Jones.cti"));
}

} // namespace
} // namespace tallyrin
