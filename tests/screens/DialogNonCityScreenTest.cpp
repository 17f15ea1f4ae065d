// The non-city resident screen: defaults for what the file does not give, "&DEFAULT", and the
// difference between "&SAVE" (closes) and "&CANCEL" (hides, keeping the edits).
#include "screens/DialogNonCityScreen.h"

#include "local/LocalPresets.h"
#include "local/LocalFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "text/Numbers.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tallyrin {
namespace {

const std::filesystem::path samples = std::filesystem::path(TEST_DATA_DIR) / "local";

class DialogNonCityScreenTest : public ::testing::Test
{
protected:
    TempFolder folder;
    std::string user = "Smith";
    EmployeeFiles files{folder.path(), user};
    NonCitySettings settings;
    ScriptedDialogs dialogs;
    DialogNonCityScreen screen{settings, dialogs,
                               files};

    void installSample(const std::string& name, const std::string& as = "Smith")
    {
        std::filesystem::copy_file(samples / name, folder / (as + ".nci"));
    }
    void expectShown(const NonCitySettings& s)
    {
        for (std::size_t i = 0; i < 8; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(screen.txtNonMinBi[i], screenText(s.NonMinBi[i]));
            EXPECT_EQ(screen.txtNonExpBi[i], screenText(s.NonExpBi[i]));
            EXPECT_EQ(screen.txtNonMinWk[i], screenText(s.NonMinWk[i]));
            EXPECT_EQ(screen.txtNonExpWk[i], screenText(s.NonExpWk[i]));
        }
        EXPECT_EQ(screen.txtNonPer, screenText(s.NonPer));
    }
};

TEST_F(DialogNonCityScreenTest, OpeningWithoutAFileShowsAndUsesTheDefaults)
{
    screen.show();
    EXPECT_EQ(screen.txtNonPer, "0.0045");
    EXPECT_EQ(screen.txtNonMinBi[5], "999999");
    expectShown(nonCityDefaults());
    EXPECT_EQ(nonCityFileText(settings), nonCityFileText(nonCityDefaults()));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(DialogNonCityScreenTest, OpeningShowsTheFile)
{
    installSample("Custom.nci");
    screen.show();
    EXPECT_EQ(screen.txtNonExpBi[1], "50");
    EXPECT_EQ(screen.txtNonPer, "0.01");
    EXPECT_FLOAT_EQ(settings.NonPer, 0.01f);
    EXPECT_EQ(settings.NonExpWk[1], 25);
}

TEST_F(DialogNonCityScreenTest, AnEmployeeWithoutAFileNeverKeepsTheLastOnesSettings)
{
    installSample("Custom.nci", "Jones");
    files.setUserName("Jones");
    ASSERT_TRUE(screen.LoadNonCityFile());
    EXPECT_FLOAT_EQ(settings.NonPer, 0.01f);

    files.setUserName("Smith");
    ASSERT_TRUE(screen.LoadNonCityFile());
    EXPECT_EQ(nonCityFileText(settings), nonCityFileText(nonCityDefaults()));
}

TEST_F(DialogNonCityScreenTest, CorruptFileIsReportedOnOpening)
{
    settings.NonPer = 0.5f; // another employee's
    installSample("Truncated.nci");
    screen.show();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "You have corupted a file.\r\nFind file,\r\nSmith.nci\r\nand delete it.");
    expectShown(nonCityDefaults());
    EXPECT_EQ(nonCityFileText(settings), nonCityFileText(nonCityDefaults()));
}

TEST_F(DialogNonCityScreenTest, SaveWritesTheScreenAndCloses)
{
    screen.show();
    screen.txtNonExpWk[2] = "40";
    screen.txtNonPer = "";
    ASSERT_TRUE(screen.OKButton_Click());
    EXPECT_FALSE(screen.loaded());
    EXPECT_EQ(settings.NonExpWk[2], 40);
    EXPECT_FLOAT_EQ(settings.NonPer, 0.0045f); // the empty box took its default
    NonCitySettings fromFile;
    ASSERT_FALSE(LoadNonCityFile(folder / "Smith.nci", fromFile).failed());
    EXPECT_EQ(nonCityFileText(fromFile), nonCityFileText(settings));
}

TEST_F(DialogNonCityScreenTest, SaveRefusesABoxThatIsNotANumber)
{
    screen.show();
    screen.txtNonMinWk[3] = "3.8.5";
    EXPECT_FALSE(screen.OKButton_Click());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "You have entered a NON numerial.");
    EXPECT_TRUE(screen.visible());
    EXPECT_EQ(nonCityFileText(settings), nonCityFileText(nonCityDefaults()));
    EXPECT_FALSE(std::filesystem::exists(folder / "Smith.nci"));
}

TEST_F(DialogNonCityScreenTest, CancelHidesAndKeepsTheUnsavedEdits)
{
    installSample("Custom.nci");
    screen.show();
    screen.txtNonPer = "0.03";
    screen.CancelButton_Click();
    EXPECT_FALSE(screen.visible());
    EXPECT_TRUE(screen.loaded());
    EXPECT_FLOAT_EQ(settings.NonPer, 0.01f);

    std::filesystem::remove(folder / "Smith.nci"); // the file is not read again
    screen.show();
    EXPECT_EQ(screen.txtNonPer, "0.03");
    EXPECT_EQ(screen.txtNonExpBi[1], "50");

    screen.cmdDefault_Click();
    expectShown(nonCityDefaults());
    EXPECT_FLOAT_EQ(settings.NonPer, 0.01f); // nothing saved by "&DEFAULT"
}

} // namespace
} // namespace tallyrin
