#include "text/Currency.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace tallyrin {
namespace {

TEST(CurrencyTest, FromDoubleRoundsExactHalvesToEven)
{
    const std::vector<std::pair<double, int64_t>> cases = {
        {0.03125, 312},
        {0.09375, 938},
        {-0.03125, -312},
        {-0.09375, -938},
        {1234.5675, 12345675},
        {0.00025, 3}, // 2.5 in double arithmetic, but the exact product is above the half
        {0.00035, 3}, // 3.5 in double arithmetic, the exact product below it
        {0.12345, 1235},
        {0.00015, 1},
        {0.0, 0},
        {-0.0, 0},
        {1e-300, 0},
        {922337203685477.0, 9223372036854770000},
    };
    for (const auto& [value, count] : cases) {
        SCOPED_TRACE(value);
        const std::optional<Currency> c = Currency::fromDouble(value);
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->count(), count);
    }
    for (double bad : {1e15, -1e15, 1e300, std::numeric_limits<double>::infinity(), std::nan("")}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(Currency::fromDouble(bad).has_value());
    }
    EXPECT_EQ(Currency::of(1e300).count(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Currency::of(-1e300).count(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Currency::of(2.5).count(), 25000);
}

TEST(CurrencyTest, FromSingleUsesTheExactSingle)
{
    const std::vector<std::pair<float, int64_t>> cases = {
        {1.00005f, 10000}, {0.00009f, 1}, {-0.00005f, 0},
        {12.345f, 123450}, {0.5f, 5000},  {123456.78f, 1234567812}, // 123456.78125: an exact half, to even
    };
    for (const auto& [value, count] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Currency::fromSingle(value)->count(), count);
        EXPECT_EQ(Currency::ofSingle(value).count(), count);
    }
}

TEST(CurrencyTest, TextHasUpToFourDecimalsAndNoExponent)
{
    const std::vector<std::tuple<int64_t, const char*, const char*>> cases = {
        {15000, "1.5", "1.5"},
        {9, "0.0009", ".0009"},
        {-15000, "-1.5", "-1.5"},
        {0, "0", "0"},
        {-9, "-0.0009", "-.0009"},
        {4294967295, "429496.7295", "429496.7295"},
        {120000, "12", "12"},
        {std::numeric_limits<int64_t>::min(), "-922337203685477.5808", "-922337203685477.5808"},
    };
    for (const auto& [count, screen, file] : cases) {
        SCOPED_TRACE(screen);
        EXPECT_EQ(Currency::fromCount(count).screenText(), screen);
        EXPECT_EQ(Currency::fromCount(count).fileText(), file);
    }
    EXPECT_DOUBLE_EQ(Currency::fromCount(12345).toDouble(), 1.2345);
}

} // namespace
} // namespace tallyrin
