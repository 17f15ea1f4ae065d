// The built-in state methods on the tables their presets fill: each case selects the state on
// the state screen, reads the screen into the settings and runs the state step.
#include "state/BuiltInStateMethods.h"

#include "state/BuiltInStates.h"
#include "screens/DialogStateScreen.h"
#include "support/RecordingStateLinks.h"
#include "support/ScriptedDialogs.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace tallyrin {
namespace {

using Box = DialogStateScreen::StateBox;

struct Case
{
    const char* what;
    Box state;
    bool biWeekly;
    int16_t exemptions;
    float gross;
    float taxable; // taxable wages; 0 means the gross
    float fedTax;
    double expected;                 // before the finishing step
    std::optional<double> finished;  // after it, where the worked example gives it
    const char* stateStatus = "Single";
    const char* fedStatus = "Single";
    // Stored values the preset shows, and the period's Social Security figures.
    std::function<void(StateSettings&, StateWageInputs&)> before = nullptr;
};

void run(const Case& c)
{
    SCOPED_TRACE(c.what);
    StateSettings settings;
    EmployeeProfile profile;
    profile.BiWeekly = c.biWeekly;
    profile.Weekly = !c.biWeekly;
    profile.StateStatus = c.stateStatus;
    StateWageInputs in{.grossPay = c.gross,
                       .taxableWages = c.taxable != 0 ? c.taxable : c.gross,
                       .biWeekly = c.biWeekly,
                       .stateStatus = c.stateStatus,
                       .stateExemptions = c.exemptions,
                       .fedStatus = c.fedStatus,
                       .fedTax = c.fedTax};
    if (c.before)
        c.before(settings, in);
    ScriptedDialogs dialogs;
    EmployeeFiles files;
    RecordingLinks links;
    DialogStateScreen screen(settings, profile, dialogs, files, links);
    screen.showSettings();
    screen.stateBox_MouseDown(c.state);
    ASSERT_TRUE(screen.readScreen());
    ASSERT_EQ(settings.*builtInState(c.state).flag, 1);
    in.stateAllowance = stateAllowance(settings, c.stateStatus, c.exemptions);

    const double tax = stateWithholding(settings, in);
    EXPECT_NEAR(tax, c.expected, 0.00005);
    if (c.finished) {
        EXPECT_DOUBLE_EQ(finishStateTax(tax, settings), *c.finished);
    }
}

TEST(BuiltInStateMethodsTest, ArizonaLouisianaMassachusettsUtahOregon)
{
    const auto rates = [](StateSettings& s, StateWageInputs&) {
        s.StatePerBS[0] = 0.025f;
        s.StatePerBM[0] = 0.031f;
    };
    const auto louisiana = [](float personal, float dependents) {
        return [=](StateSettings& s, StateWageInputs&) {
            s.StateSgExp[0] = personal;
            s.StateMarExp[0] = dependents;
        };
    };
    const auto fica = [](float ss, float medicare, float ytdSs, float ytdMedicare) {
        return [=](StateSettings&, StateWageInputs& in) {
            in.socSec = ss;
            in.medicare = medicare;
            in.ytdSocSec = ytdSs;
            in.ytdMedicare = ytdMedicare;
        };
    };
    const Case cases[] = {
        {"Arizona, federal 0", Box::Ariz, true, 0, 1000, 0, 0, 0, 0, "Single", "Single", rates},
        {"Arizona, federal Single", Box::Ariz, true, 0, 1000, 0, 100, 2.5, 2.5, "Married", "Single", rates},
        {"Arizona, federal Married, weekly", Box::Ariz, false, 0, 500, 0, 100, 3.1, 3.1, "Single", "Married", rates},
        {"Louisiana 1000, P 1", Box::Louis, true, 0, 1000, 0, 0, 24.8941, 24.89, "Single", "Single",
         louisiana(1, 0)},
        {"Louisiana weekly 500, P 1", Box::Louis, false, 0, 500, 0, 0, 12.447135, 12.45, "Single", "Single",
         louisiana(1, 0)},
        {"Louisiana P 2 takes the higher thresholds", Box::Louis, true, 0, 1000, 0, 0, 21 + 0.51921 - 7.26936,
         std::nullopt, "Single", "Single", louisiana(2, 0)},
        {"Louisiana P 1.5 is 2 (half to even)", Box::Louis, true, 0, 1000, 0, 0, 21 + 0.51921 - 7.26936, std::nullopt,
         "Single", "Single", louisiana(1.5f, 0)},
        {"Louisiana, stored P above 2 shows as 0", Box::Louis, true, 0, 1000, 0, 0, 28.5288, std::nullopt, "Single",
         "Single", louisiana(3, 0)},
        {"Mass, year-to-date 2000 still deducts", Box::Mass, true, 1, 1000, 0, 0, 754.5 * 0.053, std::nullopt,
         "Single", "Single", fica(62, 14.5f, 1000, 1000)},
        {"Mass, above 2000 plain gross", Box::Mass, true, 1, 1000, 0, 0, 831 * 0.053, std::nullopt, "Single",
         "Single", fica(62, 14.5f, 1500, 500.01f)},
        {"Mass weekly halves the allowance", Box::Mass, false, 1, 500, 0, 0, 377.25 * 0.053, std::nullopt, "Single",
         "Single", fica(31, 7.25f, 0, 0)},
        {"Utah 600 row 4, less 5", Box::Utah, true, 1, 600, 0, 0, 19, 19},
        {"Utah 2000 row 6, no credit", Box::Utah, true, 1, 2000, 0, 0, 100, 100},
        {"Utah weekly halves the bounds, credit 2", Box::Utah, false, 1, 300, 0, 0, 10, 10},
        {"Oregon 1000, federal 100", Box::Oregon, true, 1, 1000, 0, 100, 60.0171, 60.02},
        {"Oregon federal above 225", Box::Oregon, true, 1, 1000, 0, 300, 48.7671, std::nullopt},
        {"Oregon between rows 0 and 1", Box::Oregon, true, 1, 150, 0, 0, 0, 0},
        {"Oregon weekly", Box::Oregon, false, 1, 500, 0, 50, 30.464, std::nullopt},
    };
    for (const Case& c : cases)
        run(c);
}

TEST(BuiltInStateMethodsTest, AlabamaKentuckyWisconsinNorthCarolina)
{
    const Case cases[] = {
        {"Alabama 1140, federal 100", Box::Alabama, true, 0, 1140, 0, 100, 43.7311, 43.73},
        {"Alabama X = 100", Box::Alabama, true, 0, 1140, 0, 905.39f, 3.6154, std::nullopt},
        {"Alabama weekly 600, S 38.46", Box::Alabama, false, 0, 600, 0, 0, 25.8656, std::nullopt},
        {"Alabama federal Single, state Married: no S", Box::Alabama, true, 0, 1000, 0, 0, 41.1541, std::nullopt,
         "Married", "Single"},
        {"Alabama dependents above 769.23", Box::Alabama, true, 2, 1140, 0, 100, 43.7311 - 2 * 19.23 * 0.05,
         std::nullopt},
        {"Kentucky 1000, one exemption", Box::Kentucky, true, 1, 1000, 0, 0, 45.26802, 45.27},
        {"Kentucky weekly 500", Box::Kentucky, false, 1, 500, 0, 0, 22.63364, std::nullopt},
        {"Wisconsin 1000", Box::Wiscon, true, 1, 1000, 0, 0, 51.9388, std::nullopt},
        {"Wisconsin weekly halves bounds, amounts and allowance", Box::Wiscon, false, 1, 500, 0, 0, 25.9694,
         std::nullopt},
        {"N.C. 605.77", Box::NC, true, 0, 605.77f, 0, 0, 29.4239, 29.0},
        {"N.C. weekly 400", Box::NC, false, 0, 400, 0, 0, 21.51, 22.0},
    };
    for (const Case& c : cases)
        run(c);
}

TEST(BuiltInStateMethodsTest, IowaAndMissouri)
{
    const auto spouseWorks = [](StateSettings& s, StateWageInputs&) { s.SpouseWorks = 1; };
    const Case cases[] = {
        {"Iowa W 100", Box::Iowa, true, 0, 163.46f, 0, 0, 0.54, 1},
        {"Iowa W 300, less the 1.54 credit", Box::Iowa, true, 1, 363.46f, 0, 0, 7.47 - 1.54, 6},
        {"Iowa weekly W 100", Box::Iowa, false, 0, 131.73f, 0, 0, 1.485, std::nullopt},
        {"Iowa W below 0", Box::Iowa, true, 0, 50, 0, 0, (50 - 63.46) * 0.0036, 0},
        {"Missouri W 346.5", Box::Missouri, true, 0, 565.73f, 0, 0, 12.1275, 12},
        {"Missouri weekly W 30", Box::Missouri, false, 0, 139.62f, 0, 0, 0.5, 0},
        {"Missouri federal 300 within the limit", Box::Missouri, true, 0, 1000, 0, 300, 20.1837, 20},
        {"Missouri federal 400 above 384.62: none", Box::Missouri, true, 0, 1000, 0, 400, 38.1837, 38},
        {"Missouri, spouse works: limit 192.31", Box::Missouri, true, 0, 1000, 0, 200, 38.1837, 38, "Single",
         "Single", spouseWorks},
    };
    for (const Case& c : cases)
        run(c);
}

} // namespace
} // namespace tallyrin
