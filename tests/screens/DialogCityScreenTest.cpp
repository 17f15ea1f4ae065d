// The city tax screen: loading with and without a ".cti" file, "NO LOCAL TAX", the preset and
// clear buttons, and what "&SAVE" and "&CANCEL" leave behind.
#include "screens/DialogCityScreen.h"

#include "local/LocalFiles.h"
#include "local/LocalPresets.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "text/Numbers.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tallyrin {
namespace {

const std::filesystem::path samples = std::filesystem::path(TEST_DATA_DIR) / "local";

class DialogCityScreenTest : public ::testing::Test
{
protected:
    TempFolder folder;
    std::string user = "Smith";
    EmployeeFiles files{folder.path(), user};
    CitySettings settings;
    ScriptedDialogs dialogs;
    DialogCityScreen screen{settings, dialogs,
                            files};

    void installSample(const std::string& name)
    {
        std::filesystem::copy_file(samples / name, folder / (user + ".cti"));
    }
    void expectTablesShown(const CitySettings& s)
    {
        for (std::size_t i = 0; i < 10; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(screen.txtCityMinBS[i], screenText(s.CityMinBS[i]));
            EXPECT_EQ(screen.txtCityAmtBS[i], screenText(s.CityAmtBS[i]));
            EXPECT_EQ(screen.txtCityPerBS[i], screenText(s.CityPerBS[i]));
            EXPECT_EQ(screen.txtCityMinBM[i], screenText(s.CityMinBM[i]));
            EXPECT_EQ(screen.txtCityAmtBM[i], screenText(s.CityAmtBM[i]));
            EXPECT_EQ(screen.txtCityPerBM[i], screenText(s.CityPerBM[i]));
            EXPECT_EQ(screen.txtCitySgExp[i], screenText(s.CitySgExp[i]));
            EXPECT_EQ(screen.txtCityMarExp[i], screenText(s.CityMarExp[i]));
        }
    }
    std::string savedText() { return cityFileText(settings); }
};

TEST_F(DialogCityScreenTest, OpeningWithoutAFileShowsAndUsesThePreset)
{
    settings = noLocalTaxTable(); // what another employee left in memory
    screen.show();
    EXPECT_TRUE(screen.visible());
    EXPECT_FALSE(screen.ckNoLocalTax);
    EXPECT_EQ(screen.txtCityPerBS[1], "0.0265");
    EXPECT_EQ(screen.txtCitySgExp[2], "269.3");
    expectTablesShown(newYorkCityPreset());
    EXPECT_EQ(cityFileText(settings), cityFileText(newYorkCityPreset()));
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "Smith.cti"));
}

TEST_F(DialogCityScreenTest, FillingTouchesOnlyEmptyBoxes)
{
    installSample("Custom.cti");
    screen.show();
    screen.txtCityMinBS[1] = "";
    screen.txtCityAmtBM[2] = "";
    screen.txtCityMarExp[9] = "";
    screen.txtCityPerBS[1] = "0.5";
    screen.fillEmptyBoxes();
    EXPECT_EQ(screen.txtCityMinBS[1], "308");
    EXPECT_EQ(screen.txtCityAmtBM[2], "6.58");
    EXPECT_EQ(screen.txtCityMarExp[9], "558");
    EXPECT_EQ(screen.txtCityPerBS[1], "0.5");
    EXPECT_EQ(screen.txtCityMinBS[2], "1000"); // from the file, left alone
    EXPECT_EQ(screen.txtCitySgExp[0], "100");
}

TEST_F(DialogCityScreenTest, StoredNoLocalTaxShowsTheNoTaxTable)
{
    installSample("NoTaxFlag.cti");
    screen.show();
    EXPECT_TRUE(screen.ckNoLocalTax);
    expectTablesShown(noLocalTaxTable());
    EXPECT_EQ(cityFileText(settings), cityFileText(noLocalTaxTable()));
}

TEST_F(DialogCityScreenTest, NoLocalTaxCheckedThenUnchecked)
{
    screen.show();
    screen.txtCityAmtBS[3] = "15"; // an edit not yet saved

    screen.setNoLocalTax(true);
    EXPECT_EQ(settings.NoLocalTax, 1); // at once, before any save
    expectTablesShown(noLocalTaxTable());
    EXPECT_EQ(screen.txtCityMinBM[0], "999999");
    EXPECT_EQ(screen.txtCityPerBS[0], "0");
    // The tables in memory are not touched by the tick.
    EXPECT_EQ(settings.CityAmtBS, newYorkCityPreset().CityAmtBS);

    screen.ckNoLocalTax = false;
    screen.ckNoLocalTax_Click();
    EXPECT_EQ(settings.NoLocalTax, 0);
    expectTablesShown(newYorkCityPreset()); // the values held in memory, not the unsaved edit
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(DialogCityScreenTest, NoLocalTaxSavedTaxesNothing)
{
    screen.show();
    screen.setNoLocalTax(true);
    ASSERT_TRUE(screen.OKButton_Click());
    EXPECT_EQ(cityFileText(settings), cityFileText(noLocalTaxTable()));
    CitySettings fromFile;
    ASSERT_FALSE(LoadCityFile(folder / "Smith.cti", fromFile).failed());
    EXPECT_EQ(fromFile.NoLocalTax, 1);
    EXPECT_EQ(fromFile.CityMinBS, noLocalTaxTable().CityMinBS);
}

TEST_F(DialogCityScreenTest, NewYorkAndClearAll)
{
    installSample("Custom.cti");
    screen.show();
    screen.setNoLocalTax(true);

    screen.cmdClearMe_Click();
    EXPECT_TRUE(screen.ckNoLocalTax); // left as it was
    for (std::size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(screen.txtCityMinBS[i], "999999");
        EXPECT_EQ(screen.txtCityMinBM[i], "999999");
        EXPECT_EQ(screen.txtCityAmtBM[i], "0");
        EXPECT_EQ(screen.txtCityPerBS[i], "0");
        EXPECT_EQ(screen.txtCitySgExp[i], "0");
        EXPECT_EQ(screen.txtCityMarExp[i], "0");
    }

    screen.cmdDefault_Click();
    EXPECT_FALSE(screen.ckNoLocalTax);
    EXPECT_EQ(settings.NoLocalTax, 0);
    expectTablesShown(newYorkCityPreset());
    EXPECT_EQ(settings.CityAmtBS[2], 23.5f); // nothing copied before "&SAVE"
}

TEST_F(DialogCityScreenTest, SaveWritesTheScreenAndCloses)
{
    screen.show();
    screen.txtCityPerBM[3] = ".0375";
    screen.txtCityMarExp[0] = "";
    ASSERT_TRUE(screen.OKButton_Click());
    EXPECT_FALSE(screen.loaded());
    EXPECT_FALSE(screen.visible());
    EXPECT_FLOAT_EQ(settings.CityPerBM[3], 0.0375f);
    EXPECT_FLOAT_EQ(settings.CityMarExp[0], 211.5f); // the empty box took its preset
    CitySettings fromFile;
    ASSERT_FALSE(LoadCityFile(folder / "Smith.cti", fromFile).failed());
    EXPECT_EQ(cityFileText(fromFile), cityFileText(settings));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(DialogCityScreenTest, SaveRefusesABoxThatIsNotANumber)
{
    screen.show();
    const std::string before = cityFileText(settings);
    for (const char* text : {"1-2", "-", ".", "5 5"}) {
        SCOPED_TRACE(text);
        dialogs.log.clear();
        screen.txtCityAmtBS[4] = "30";
        screen.txtCitySgExp[7] = text;
        EXPECT_FALSE(screen.OKButton_Click());
        ASSERT_EQ(dialogs.messages().size(), 1u);
        EXPECT_EQ(dialogs.messages()[0], "You have entered a NON numerial.");
        EXPECT_TRUE(screen.visible());
        EXPECT_EQ(screen.txtCitySgExp[7], text);
        EXPECT_EQ(cityFileText(settings), before);
        EXPECT_FALSE(std::filesystem::exists(folder / "Smith.cti"));
    }
}

TEST_F(DialogCityScreenTest, CancelClosesWithoutWriting)
{
    screen.show();
    screen.txtCityAmtBS[1] = "6";
    screen.CancelButton_Click();
    EXPECT_FALSE(screen.loaded());
    EXPECT_FALSE(std::filesystem::exists(folder / "Smith.cti"));
    EXPECT_FLOAT_EQ(settings.CityAmtBS[1], 5.85f);
    screen.show();
    EXPECT_EQ(screen.txtCityAmtBS[1], "5.85"); // reloaded, the edit is gone
}

TEST_F(DialogCityScreenTest, CorruptFileIsReportedAndThePresetShown)
{
    installSample("Truncated.cti");
    screen.show();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "You have corupted a file.\r\nFind file,\r\nSmith.cti\r\nand delete it.");
    expectTablesShown(newYorkCityPreset());
    EXPECT_EQ(cityFileText(settings), cityFileText(newYorkCityPreset()));
}

TEST_F(DialogCityScreenTest, ALoadedScreenKeepsWhatItShows)
{
    screen.show();
    screen.txtCityAmtBS[1] = "6";
    installSample("Custom.cti");
    screen.Form_Load();
    EXPECT_EQ(screen.txtCityAmtBS[1], "6");
    EXPECT_FLOAT_EQ(settings.CityAmtBS[1], 5.85f);
}

} // namespace
} // namespace tallyrin
