#include "text/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tallyrin {
namespace {

struct SingleCase
{
    float value;
    const char* expected;
};

struct DoubleCase
{
    double value;
    const char* expected;
};

TEST(NumbersTest, SingleScreenTextUsesSevenDigitsTiesAway)
{
    const std::vector<SingleCase> cases = {
        {0.045f, "0.045"},
        {-0.5f, "-0.5"},
        {1.0f / 3.0f, "0.3333333"},
        {12345.625f, "12345.63"},
        {654322.25f, "654322.3"},
        {123456.78f, "123456.8"},
        {1234567.891f, "1234568"},
        {1e7f, "1E+07"},
        {12345678.0f, "1.234568E+07"},
        {0.00001f, "0.00001"},
        {0.000001f, "0.000001"},
        {1e-7f, "1E-07"},
        {5.5e-6f, "0.0000055"},
        {5.55e-6f, "5.55E-06"},
        {-0.0f, "0"},
        {0.0f, "0"},
        {7.0f, "7"},
        {7.5f, "7.5"},
        {-2.0f, "-2"},
        {-12345.625f, "-12345.63"},
        {9999999.0f, "9999999"},
        {-1e7f, "-1E+07"},
        {5.6789e-12f, "5.6789E-12"},
        {3.4028235e38f, "3.402823E+38"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(screenText(c.value), c.expected);
    }
}

TEST(NumbersTest, DoubleScreenTextUsesFifteenDigits)
{
    const std::vector<DoubleCase> cases = {
        {1.0 / 3.0, "0.333333333333333"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {5.6789e-11, "0.000000000056789"},
        {5.6789e-12, "5.6789E-12"},
        {static_cast<double>(0.1f), "0.100000001490116"},
        {static_cast<double>(15600.1f), "15600.099609375"},
        {1234567.891, "1234567.891"},
        {-0.0, "0"},
        // Decided on the binary value: these look like ties but lie below or above them.
        {0.1234567890123455, "0.123456789012345"},
        {9.999999999999995, "9.99999999999999"},
        {1234.567890123455, "1234.56789012346"},
        // An exact tie at the 15th digit goes away from zero.
        {100000000000000.5, "100000000000001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(screenText(c.value), c.expected);
    }
}

TEST(NumbersTest, FileAndPrintFormsDropTheZeroBeforeThePoint)
{
    EXPECT_EQ(fileText(0.045f), ".045");
    EXPECT_EQ(fileText(-0.5f), "-.5");
    EXPECT_EQ(fileText(12.5f), "12.5");
    EXPECT_EQ(fileText(0.0f), "0");
    EXPECT_EQ(fileText(-0.0f), "0");
    EXPECT_EQ(fileText(1e7f), "1E+07");
    EXPECT_EQ(fileText(0.00001f), ".00001");
    EXPECT_EQ(fileText(1e-7f), "1E-07");
    EXPECT_EQ(fileText(0.08), ".08");
    EXPECT_EQ(fileText(static_cast<double>(0.1f)), ".100000001490116");
    EXPECT_EQ(fileText(static_cast<double>(15600.1f)), "15600.099609375");

    EXPECT_EQ(printText(12.5f), " 12.5 ");
    EXPECT_EQ(printText(0.5f), " .5 ");
    EXPECT_EQ(printText(-0.5f), "-.5 ");
    EXPECT_EQ(printText(0.0f), " 0 ");
    EXPECT_EQ(printText(-0.0f), " 0 ");
}

// One row of the worked mask table: the same single under every mask.
struct MaskRow
{
    float value;
    const char* plain;
    const char* cents;   // #,###.00
    const char* ledger;  // #####.00 and ###.00
    const char* dollars; // $#,###.00 and $#,###.#0
    const char* rate;    // ##.##
    const char* percent; // ##.##%
};

TEST(NumbersTest, WorkedMaskTable)
{
    const std::vector<MaskRow> rows = {
        {0.0f, "0", ".00", ".00", "$.00", ".", ".%"},
        {0.5f, "0.5", ".50", ".50", "$.50", ".5", "50.%"},
        {0.005f, "0.005", ".01", ".01", "$.01", ".01", ".5%"},
        {0.015f, "0.015", ".02", ".02", "$.02", ".02", "1.5%"},
        {0.145f, "0.145", ".15", ".15", "$.15", ".15", "14.5%"},
        {2.675f, "2.675", "2.68", "2.68", "$2.68", "2.68", "267.5%"},
        {7.0f, "7", "7.00", "7.00", "$7.00", "7.", "700.%"},
        {7.5f, "7.5", "7.50", "7.50", "$7.50", "7.5", "750.%"},
        {1234.5f, "1234.5", "1,234.50", "1234.50", "$1,234.50", "1234.5", "123450.%"},
        {1234567.891f, "1234568", "1,234,568.00", "1234568.00", "$1,234,568.00", "1234568.", "123456800.%"},
        {-12.5f, "-12.5", "-12.50", "-12.50", "-$12.50", "-12.5", "-1250.%"},
        {-0.004f, "-0.004", "-.00", "-.00", "-$.00", "-.", "-.4%"},
        {1e7f, "1E+07", "10,000,000.00", "10000000.00", "$10,000,000.00", "10000000.", "1000000000.%"},
        {12345.625f, "12345.63", "12,345.63", "12345.63", "$12,345.63", "12345.63", "1234563.%"},
        {123456.78f, "123456.8", "123,456.80", "123456.80", "$123,456.80", "123456.8", "12345680.%"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.plain);
        EXPECT_EQ(screenText(r.value), r.plain);
        EXPECT_EQ(format(r.value, "#,###.00"), r.cents);
        EXPECT_EQ(format(r.value, "#####.00"), r.ledger);
        EXPECT_EQ(format(r.value, "###.00"), r.ledger);
        EXPECT_EQ(format(r.value, "$#,###.00"), r.dollars);
        EXPECT_EQ(format(r.value, "$#,###.#0"), r.dollars);
        EXPECT_EQ(format(r.value, "##.##"), r.rate);
        EXPECT_EQ(format(r.value, "##.##%"), r.percent);
    }

    const double d = 1234567.891;
    EXPECT_EQ(format(d, "#,###.00"), "1,234,567.89");
    EXPECT_EQ(format(d, "#####.00"), "1234567.89");
    EXPECT_EQ(format(d, "$#,###.#0"), "$1,234,567.89");
    EXPECT_EQ(format(d, "##.##"), "1234567.89");
    EXPECT_EQ(format(d, "##.##%"), "123456789.1%");
}

TEST(NumbersTest, WorkedZeroPaddedMaskTable)
{
    const char* masks[] = {"000000.00", "00000.00", "0000.00", "000.00", "00.00", "0.00"};
    struct Row
    {
        double value;
        bool isDouble;
        std::vector<std::string> expected;
    };
    const std::vector<Row> rows = {
        {0, false, {"000000.00", "00000.00", "0000.00", "000.00", "00.00", "0.00"}},
        {0.5, false, {"000000.50", "00000.50", "0000.50", "000.50", "00.50", "0.50"}},
        {0.005, false, {"000000.01", "00000.01", "0000.01", "000.01", "00.01", "0.01"}},
        {0.015, false, {"000000.02", "00000.02", "0000.02", "000.02", "00.02", "0.02"}},
        {0.145, false, {"000000.15", "00000.15", "0000.15", "000.15", "00.15", "0.15"}},
        {2.675, false, {"000002.68", "00002.68", "0002.68", "002.68", "02.68", "2.68"}},
        {7, false, {"000007.00", "00007.00", "0007.00", "007.00", "07.00", "7.00"}},
        {7.5, false, {"000007.50", "00007.50", "0007.50", "007.50", "07.50", "7.50"}},
        {1234.5, false, {"001234.50", "01234.50", "1234.50", "1234.50", "1234.50", "1234.50"}},
        {1234567.891, true, {"1234567.89", "1234567.89", "1234567.89", "1234567.89", "1234567.89", "1234567.89"}},
        {-12.5, false, {"-000012.50", "-00012.50", "-0012.50", "-012.50", "-12.50", "-12.50"}},
        {-0.004, false, {"-000000.00", "-00000.00", "-0000.00", "-000.00", "-00.00", "-0.00"}},
        {1e7, false, {"10000000.00", "10000000.00", "10000000.00", "10000000.00", "10000000.00", "10000000.00"}},
        {1234.56, false, {"001234.56", "01234.56", "1234.56", "1234.56", "1234.56", "1234.56"}},
        {20.05, false, {"000020.05", "00020.05", "0020.05", "020.05", "20.05", "20.05"}},
        {0.75, false, {"000000.75", "00000.75", "0000.75", "000.75", "00.75", "0.75"}},
        {999999.995, false, {"1000000.00", "1000000.00", "1000000.00", "1000000.00", "1000000.00", "1000000.00"}},
    };
    for (const auto& r : rows) {
        for (size_t m = 0; m < 6; ++m) {
            SCOPED_TRACE(r.expected[m]);
            const std::string got =
                r.isDouble ? format(r.value, masks[m]) : format(static_cast<float>(r.value), masks[m]);
            EXPECT_EQ(got, r.expected[m]);
        }
    }
}

TEST(NumbersTest, MaskDigitsComeFromTheValuesOwnKind)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {format(2.675f, "#,###.00"), "2.68"},
        {format(1.005f, "#,###.00"), "1.01"},
        {format(static_cast<double>(1.005f), "#,###.00"), "1.00"},
        {format(0.145f, "#,###.00"), ".15"},
        {format(12.345f, "#,###.00"), "12.35"},
        {format(999.995f, "#,###.00"), "1,000.00"},
        {format(-0.0f, "#,###.00"), ".00"},
        {format(-0.0, "$#,###.00"), "$.00"},
        {format(1170.0f, "$#,###.#0"), "$1,170.00"},
        {format(1170.5f, "$#,###.#0"), "$1,170.50"},
        {format(-1170.0f, "$#,###.#0"), "-$1,170.00"},
        {format(Currency::fromCount(12345675), "#####.00"), "1234.57"},
        {format(Currency::fromCount(-12345675), "#####.00"), "-1234.57"},
        {format(Currency::fromCount(-49), "#####.00"), "-.00"},
        {format(static_cast<int16_t>(-3), "000.00"), "-003.00"},
        {format(0.075f, "##.##"), ".08"},
        {format(0.005f, "##.##"), ".01"},
        {format(0.075f, "##.##%"), "7.5%"},
        {format(0.12345f, "##.##%"), "12.35%"},
        {format(-123456789.0, "#,###.00"), "-123,456,789.00"},
        {format(1e20, "#,###.00"), "100,000,000,000,000,000,000.00"},
        {format(0.00001f, "#,###.00"), ".00"},
        {format(0.0049999f, "#,###.00"), ".00"},
    };
    for (const auto& [got, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(got, expected);
    }
}

TEST(NumbersTest, TextGivenToAMaskKeepsAllItsDigits)
{
    EXPECT_EQ(formatText("$1,234.50", "#####.00"), "1234.50");
    EXPECT_EQ(formatText("", "#####.00"), "");
    EXPECT_EQ(formatText("Hours", "#####.00"), "Hours");
    // 1.005 as a single would give 1.01 too, but 1.00499999 must not be rounded to 7 digits first.
    EXPECT_EQ(formatText("1.00499999", "#####.00"), "1.00");
    EXPECT_EQ(formatText("12345678.125", "#####.00"), "12345678.13");
    EXPECT_EQ(formatText("(5)", "#####.00"), "-5.00");
}

TEST(NumbersTest, LeadingNumberReadsAsFarAsItCan)
{
    const std::vector<std::pair<const char*, double>> cases = {
        {"", 0},        {"abc", 0}, {"-", 0},       {".", 0},     {"12abc", 12}, {" 1 5", 15},  {"- 5", -5},
        {"1-2", 1},     {"5-", 5},  {"1.2.3", 1.2}, {"1,234", 1}, {"$5", 0},     {"-.5", -0.5}, {"+2", 2},
        {"1E3x", 1000}, {"1E", 1},  {"2e-1", 0.2},  {"&H1F", 31}, {"&O17", 15},  {"\t7\n", 7},  {"1E999", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(leadingNumber(text), expected);
    }
}

TEST(NumbersTest, FullConversionAcceptsOneWholeNumber)
{
    const std::vector<std::pair<const char*, double>> cases = {
        {"12.50", 12.5},       {" 12.5 ", 12.5}, {".5", 0.5}, {"5.", 5},  {"-.5", -0.5}, {"1,234.57", 1234.57},
        {"$1,234.50", 1234.5}, {"1,2", 12},      {"+3", 3},   {"5-", -5}, {"(5)", -5},   {"- 5", -5},
        {"1E3", 1000},         {"&H10", 16},     {"$-5", -5}, {"5,", 5},  {"5$", 5},     {"5+", 5},
        {"\t-1e-2", -0.01},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        const std::optional<double> got = fullNumber(text);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, expected);
    }

    for (const char* bad : {"", " ", ".", "-", "1-2", "1 2", "1.2.3", "--5", "-5-", ",5", "1E", "abc", "(5", "5)",
                            "1E400", "&H", "12abc"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(fullNumber(bad).has_value());
    }

    const std::optional<double> negativeZero = fullNumber("-.00");
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_EQ(*negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(NumbersTest, FullConversionToSingleAndCurrency)
{
    EXPECT_EQ(fullSingle("0.1"), 0.1f);
    EXPECT_FALSE(fullSingle("1E39").has_value());
    EXPECT_FALSE(fullSingle("x").has_value());
    EXPECT_EQ(fullCurrency("1234.5675")->count(), 12345675);
    EXPECT_EQ(fullCurrency("$0.00025")->count(), 3); // the double lies just above the half
    EXPECT_EQ(fullCurrency("0.03125")->count(), 312);
    EXPECT_FALSE(fullCurrency("1E16").has_value());
}

TEST(NumbersTest, WholeNumberFromBinaryValueHalfToEven)
{
    const std::vector<std::pair<double, int>> cases = {
        {0.5, 0},  {1.5, 2},       {2.5, 2},          {-2.5, -2},         {3.5, 4},
        {-0.5, 0}, {2.5000001, 3}, {32767.49, 32767}, {-32768.5, -32768}, {-32767.5, -32768},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(wholeNumber(value).has_value());
        EXPECT_EQ(*wholeNumber(value), expected);
    }
    for (double bad : {32767.5, -32768.51, 1e10, std::nan("")}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(wholeNumber(bad).has_value());
    }
}

TEST(NumbersTest, WholeNumberFromTextDecidesTiesOnTheDigits)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"12.50", 12},          {"13.50", 14}, {"+2", 2},     {"1.5", 2},
        {"12.5000001", 13},     {"-2.5", -2},  {"(3.5)", -4}, {"-32768.5", -32768},
        {"32767.49999", 32767}, {"0", 0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(wholeNumber(std::string_view(text)).has_value());
        EXPECT_EQ(*wholeNumber(std::string_view(text)), expected);
    }
    for (const char* bad : {"32767.5", "-32768.51", "99999999", "", "abc"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(wholeNumber(std::string_view(bad)).has_value());
    }
}

TEST(NumbersTest, CentsRoundTrip)
{
    EXPECT_EQ(roundCents(2.675f), 2.68f);
    EXPECT_EQ(roundCents(12345.625f), 12345.63f);
    EXPECT_EQ(roundCents(0.0049999f), 0.0f);
    EXPECT_EQ(roundCents(1234567.891f), 1234568.0f);
    EXPECT_EQ(roundCents(-12.345f), -12.35f);
    const float negativeZero = roundCents(-0.004f);
    EXPECT_EQ(negativeZero, 0.0f);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_FALSE(negativeZero < 0);
    EXPECT_EQ(format(negativeZero, "#,###.00"), ".00");

    EXPECT_EQ(roundCents(static_cast<double>(1.005f)), 1.0);
    EXPECT_EQ(roundCents(1234567.891), 1234567.89);

    // "Round State": cents first, then whole dollars half to even on the cents text.
    for (const auto& [value, expected] : std::vector<std::pair<float, int>>{{12.499f, 12}, {13.499f, 14}, {0.5f, 0}}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(wholeNumber(std::string_view(format(value, "#,###.00"))), expected);
    }
}

TEST(NumbersTest, RunningTotalThroughTextKeepsSevenDigits)
{
    const float total = *fullSingle(screenText(static_cast<float>(123456.7f + 0.01)));
    EXPECT_EQ(total, 123456.7f);
    EXPECT_EQ(screenRoundTrip(static_cast<float>(123456.7f + 0.01)), 123456.7f);
}

// The shortcuts (the box's round trip without its text, the plain form read without the general
// reader, plain text rounded from a short expansion) agree with the long way on every kind of
// single: any bit pattern, cents, halves (ties at the seventh digit) and the extremes.
TEST(NumbersTest, ShortcutsAgreeWithTheTextRoundTrip)
{
    std::mt19937 random(2009);
    std::vector<float> values{0.0f, -0.0f, 3.4e38f, -3.4e38f, 1e-45f, 1234567.5f, 1234568.5f, 10000005.0f,
                              9999999.5f, -2.5e-8f, INFINITY, NAN};
    for (int i = 0; i < 60000; ++i) {
        const auto bits = static_cast<uint32_t>(random());
        float any = 0;
        std::memcpy(&any, &bits, sizeof any);
        values.push_back(any);
        values.push_back(static_cast<float>(random() % 1000000000u) / 100.0f);
        values.push_back(static_cast<float>(random() % 20000000) / 2.0f);
    }
    for (const float v : values) {
        const std::string text = screenText(v);
        const auto longWay = fullSingle(text);
        const auto shortWay = screenRoundTrip(v);
        ASSERT_EQ(longWay.has_value(), shortWay.has_value()) << text;
        if (longWay && !std::isnan(*longWay)) {
            ASSERT_EQ(std::memcmp(&*longWay, &*shortWay, sizeof(float)), 0) << text;
        }
        // The text itself: seven digits, ties away from zero, read back to the nearest double.
        if (std::isfinite(v)) {
            char exact[160];
            std::snprintf(exact, sizeof exact, "%.7e", static_cast<double>(v));
            ASSERT_NEAR(*fullNumber(text), std::strtod(exact, nullptr), std::fabs(v) * 1e-6) << text;
        }
    }
    EXPECT_EQ(screenText(1234567.5f), "1234568");
    EXPECT_EQ(screenText(1234568.5f), "1234569");
    EXPECT_EQ(screenText(-1234568.5f), "-1234569");
    EXPECT_EQ(screenText(10000005.0f), "1.000001E+07");
}

TEST(NumbersTest, PeriodBoxDate)
{
    EXPECT_EQ(dateText(2009, 12, 31), "12/31/2009");
    EXPECT_EQ(dateText(2010, 1, 5), "01/05/2010");
}

} // namespace
} // namespace tallyrin
