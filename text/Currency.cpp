#include "text/Currency.h"

#include <cmath>
#include <limits>

namespace tallyrin {

namespace {

// value x 10000 as an exact integer product of the value's 53-bit significand, then shifted by its
// binary exponent; the bits shifted out decide the rounding, an exact half going to the even count.
// The 128-bit integer is a compiler extension of g++ and clang, named once here.
__extension__ using uint128 = unsigned __int128;

std::optional<int64_t> tenThousandths(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return 0;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // |value| = fraction * 2^exponent
    const auto significand = static_cast<uint128>(std::ldexp(fraction, 53));
    exponent -= 53;
    uint128 product = significand * 10000u; // below 2^67
    constexpr uint128 limit = static_cast<uint128>(std::numeric_limits<int64_t>::max()) + 1;
    if (exponent >= 0)
        return std::nullopt; // |value| >= 2^52: far beyond the 64-bit count
    const int shift = -exponent;
    if (shift > 100) {
        product = 0; // far below half a ten-thousandth
    } else {
        const uint128 one = 1;
        const uint128 remainder = product & ((one << shift) - 1);
        const uint128 half = one << (shift - 1);
        product >>= shift;
        if (remainder > half || (remainder == half && (product & 1) != 0))
            ++product;
    }
    const bool negative = value < 0;
    if (product > limit || (product == limit && !negative))
        return std::nullopt;
    if (negative)
        return product == limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(product);
    return static_cast<int64_t>(product);
}

std::string currencyText(int64_t count, bool dropLeadingZero)
{
    const bool negative = count < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(count) : static_cast<uint64_t>(count);
    std::string whole = std::to_string(magnitude / 10000);
    std::string decimals = std::to_string(magnitude % 10000 + 10000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (decimals.empty())
        return (negative ? "-" : "") + whole;
    if (whole == "0" && dropLeadingZero)
        whole.clear();
    return (negative ? "-" : "") + whole + "." + decimals;
}

} // namespace

std::optional<Currency> Currency::fromDouble(double value)
{
    std::optional<int64_t> count = tenThousandths(value);
    if (!count)
        return std::nullopt;
    return Currency(*count);
}

std::optional<Currency> Currency::fromSingle(float value) { return fromDouble(static_cast<double>(value)); }

Currency Currency::of(double value)
{
    if (std::optional<Currency> c = fromDouble(value))
        return *c;
    if (std::isnan(value))
        return Currency();
    return Currency(value < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max());
}

Currency Currency::ofSingle(float value) { return of(static_cast<double>(value)); }

std::string Currency::screenText() const { return currencyText(m_count, false); }

std::string Currency::fileText() const { return currencyText(m_count, true); }

} // namespace tallyrin
