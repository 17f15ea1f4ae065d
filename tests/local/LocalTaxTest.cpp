// The city and non-city resident tax of one period, checked against the worked examples and at
// the edges of the bracket tables.
#include "local/LocalTax.h"

#include "local/LocalPresets.h"
#include "text/Numbers.h"

#include <gtest/gtest.h>
#include <string>

namespace tallyrin {
namespace {

LocalTaxInputs cityInputs(float wages, float allowance, bool biWeekly, std::string_view status = "Single")
{
    return {wages, allowance, biWeekly, false, status};
}

double cityTax(const CitySettings& city, const LocalTaxInputs& in) { return GetLocalTax(city, NonCitySettings{}, in); }

double nonCityTax(const NonCitySettings& nonCity, float wages, bool biWeekly)
{
    return GetLocalTax(noLocalTaxTable(), nonCity, {wages, 0, biWeekly, true, "Single"});
}

TEST(LocalTaxTest, WorkedExamplesRoundToTheShownCents)
{
    const CitySettings& ny = newYorkCityPreset();
    const float allowance = cityAllowance(ny, "Single", 2);
    EXPECT_FLOAT_EQ(allowance, 269.3f);

    struct Case
    {
        const char* name;
        double tax;
        double unrounded;
        std::string shown;
    };
    const Case cases[] = {
        {"city bi-weekly 1000", cityTax(ny, cityInputs(1000, allowance, true)), 19.7669, "19.77"},
        {"city weekly 500", cityTax(ny, cityInputs(500, allowance, false)), 9.88345, "9.88"},
        {"non-city bi-weekly 500", nonCityTax(nonCityDefaults(), 500, true), 1.9035, "1.90"},
        {"non-city weekly 250", nonCityTax(nonCityDefaults(), 250, false), 0.954, ".95"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(c.tax, c.unrounded, 1e-4);
        // The calculation rounds through the "#,###.00" text.
        EXPECT_EQ(format(c.tax, "#,###.00"), c.shown);
        EXPECT_EQ(roundCents(c.tax), fullNumber(c.shown));
    }
}

TEST(LocalTaxTest, CityBracketBoundsAreLowerInclusive)
{
    const CitySettings& ny = newYorkCityPreset();
    struct Case
    {
        float taxable;
        float expected;
    };
    // With no allowance the taxable amount is the wage itself.
    const Case cases[] = {
        {0, 0},
        {308, 5.85f},                                              // exactly at row 2
        {334, 6.58f},                                              // exactly at row 3
        {577, 14.08f},                                             // exactly at row 4
        {2308, 80.81f},                                            // exactly at row 6
        {576, static_cast<float>((576.0 - 334) * 0.031f + 6.58f)}, // just under row 4
        {-10, 0},                                                  // below the first bound
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.taxable);
        EXPECT_FLOAT_EQ(static_cast<float>(cityTax(ny, cityInputs(c.taxable, 0, true))), c.expected);
    }
}

TEST(LocalTaxTest, OnlyRowsOneToEightTakePart)
{
    CitySettings city = newYorkCityPreset();
    // Rows 9 and 10 with bounds inside the used range and large amounts change nothing.
    city.CityMinBS[8] = 600;
    city.CityAmtBS[8] = 1000;
    city.CityMinBS[9] = 700;
    city.CityAmtBS[9] = 2000;
    for (float w : {650.0f, 800.0f, 5000.0f}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(cityTax(city, cityInputs(w, 0, true)), cityTax(newYorkCityPreset(), cityInputs(w, 0, true)));
    }

    // Row 8 in use: everything at or above its bound uses it, whatever row 9 says.
    city.CityMinBS[7] = 5000;
    city.CityAmtBS[7] = 100;
    city.CityPerBS[7] = 0.1f;
    city.CityMinBS[6] = 4000;
    city.CityMinBS[8] = 5500;
    EXPECT_FLOAT_EQ(static_cast<float>(cityTax(city, cityInputs(6000, 0, true))), 200.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(cityTax(city, cityInputs(5000, 0, true))), 100.0f);
}

TEST(LocalTaxTest, PresetTaxesNothingFromTheUnusedBoundUp)
{
    const CitySettings& ny = newYorkCityPreset();
    EXPECT_GT(cityTax(ny, cityInputs(999998, 0, true)), 0);
    for (float w : {999999.0f, 1000000.0f, 5e7f}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(cityTax(ny, cityInputs(w, 0, true)), 0);
        EXPECT_EQ(cityTax(ny, cityInputs(w / 2, 0, false)), 0);
    }
}

TEST(LocalTaxTest, WeeklyIsHalfOfBiWeekly)
{
    const CitySettings& ny = newYorkCityPreset();
    for (const char* status : {"Single", "Married"})
        for (int count : {0, 2, 9})
            for (float w : {615.4f, 1000.0f, 1234.56f, 2500.0f, 4800.0f}) {
                SCOPED_TRACE(std::string(status) + " " + std::to_string(count) + " " + std::to_string(w));
                const float a = cityAllowance(ny, status, count);
                const double bi = cityTax(ny, cityInputs(w, a, true, status));
                const double wk = cityTax(ny, cityInputs(w / 2, a, false, status));
                EXPECT_GT(bi, 0);
                EXPECT_EQ(wk * 2, bi);
            }
}

TEST(LocalTaxTest, NoLocalTaxTableTaxesNothing)
{
    const CitySettings& none = noLocalTaxTable();
    for (float w : {-50.0f, 0.0f, 308.0f, 1000.0f, 999998.0f, 999999.0f, 2e6f})
        for (bool bi : {true, false}) {
            SCOPED_TRACE(std::to_string(w) + (bi ? " bi-weekly" : " weekly"));
            EXPECT_EQ(cityTax(none, cityInputs(w, 0, bi)), 0);
            EXPECT_EQ(cityTax(none, cityInputs(w, 0, bi, "Married")), 0);
        }
}

TEST(LocalTaxTest, AnyStatusButExactlySingleUsesTheMarriedTable)
{
    CitySettings city = noLocalTaxTable();
    city.CityMinBS[0] = 0;
    city.CityPerBS[0] = 0.01f;
    city.CityMinBM[0] = 0;
    city.CityPerBM[0] = 0.02f;
    EXPECT_FLOAT_EQ(static_cast<float>(cityTax(city, cityInputs(1000, 0, true, "Single"))), 10.0f);
    for (const char* status : {"Married", "single", "Single ", ""}) {
        SCOPED_TRACE(status);
        EXPECT_FLOAT_EQ(static_cast<float>(cityTax(city, cityInputs(1000, 0, true, status))), 20.0f);
    }
}

TEST(LocalTaxTest, CityAllowanceLookup)
{
    const CitySettings& ny = newYorkCityPreset();
    struct Case
    {
        const char* status;
        int count;
        float expected;
    };
    const Case cases[] = {
        {"Single", 0, 192.3f}, {"Single", 9, 538.8f}, {"Married", 0, 211.5f}, {"Married", 9, 558.0f},
        {"Single", 10, 0},     {"Married", -1, 0},    {"single", 2, 0},       {"", 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.status) + " " + std::to_string(c.count));
        EXPECT_EQ(cityAllowance(ny, c.status, c.count), c.expected);
    }
}

TEST(LocalTaxTest, NonCityRowsAndExclusions)
{
    const NonCitySettings& d = nonCityDefaults();
    struct Case
    {
        float wages;
        bool biWeekly;
        float exclusion;
    };
    const Case cases[] = {
        {100, true, 0},                        // row 1: no exclusion
        {145, true, 115},                      // exactly at row 2
        {384.99f, true, 115}, {385, true, 77}, // exactly at row 3
        {1154, true, 0},                       // exactly at row 5
        {3000, true, 0},      {77, false, 0},  {78, false, 58},
        {250, false, 38},     {577, false, 0}, {999999, true, 0}, // row 8 and beyond
        {200, true, 115}, // the same wages fall in different rows of the two tables
        {200, false, 38},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.wages) + (c.biWeekly ? " bi-weekly" : " weekly"));
        const float expected = static_cast<float>((static_cast<double>(c.wages) - c.exclusion) * 0.0045f);
        EXPECT_FLOAT_EQ(static_cast<float>(nonCityTax(d, c.wages, c.biWeekly)), expected);
    }
}

TEST(LocalTaxTest, NonCityWagesBelowTheFirstBoundGetNoExclusion)
{
    NonCitySettings s = nonCityDefaults();
    s.NonMinBi[0] = 50;
    s.NonExpBi[0] = 40;
    EXPECT_FLOAT_EQ(static_cast<float>(GetLocalTax(newYorkCityPreset(), s, {10, 269.3f, true, true, "Single"})),
                    static_cast<float>(10 * 0.0045f));
}

TEST(LocalTaxTest, NonCityResidentPaysNoCityTax)
{
    CitySettings heavy = newYorkCityPreset();
    heavy.CityAmtBS.fill(500);
    heavy.CityAmtBM.fill(500);
    for (bool bi : {true, false}) {
        SCOPED_TRACE(bi);
        // Settings all zero (as at program start): nothing at all.
        EXPECT_EQ(GetLocalTax(heavy, NonCitySettings{}, {1000, 0, bi, true, "Single"}), 0);
        EXPECT_EQ(GetLocalTax(heavy, nonCityDefaults(), {1000, 0, bi, true, "Married"}),
                  GetLocalTax(noLocalTaxTable(), nonCityDefaults(), {1000, 0, bi, true, "Married"}));
    }
}

} // namespace
} // namespace tallyrin
