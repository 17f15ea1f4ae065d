// Currency: a signed 64-bit count of ten-thousandths. Conversions from binary numbers
// round an exact half to the even count; sums and differences are exact.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tallyrin {

class Currency
{
public:
    constexpr Currency() = default;
    static constexpr Currency fromCount(int64_t count) { return Currency(count); }

    // value x 10000 rounded to the nearest integer, an exact tie to even; nullopt when out of range.
    static std::optional<Currency> fromDouble(double value);
    // Same rule; the product of a single and 10000 is exact in double.
    static std::optional<Currency> fromSingle(float value);
    // Conversion that cannot fail for the sizes payroll meets; saturates on overflow.
    static Currency of(double value);
    static Currency ofSingle(float value);

    constexpr int64_t count() const { return m_count; }
    double toDouble() const { return static_cast<double>(m_count) / 10000.0; }
    float toSingle() const { return static_cast<float>(toDouble()); }

    // Exact decimal text with up to 4 decimals, trailing zeros and a bare point dropped, never an
    // exponent: "1.5", "-1.5", "0.0009" (screen form) / ".0009" (file form).
    std::string screenText() const;
    std::string fileText() const;

    // Sums and differences are exact within the range and stop at its ends beyond it (never
    // wrapping round); callers keep amounts far inside the range (see the period limits).
    friend constexpr Currency operator+(Currency a, Currency b) { return Currency(saturated(a.m_count, b.m_count)); }
    friend constexpr Currency operator-(Currency a, Currency b)
    {
        if (b.m_count == INT64_MIN)
            return Currency(a.m_count >= 0 ? INT64_MAX : saturated(a.m_count + 1, INT64_MAX));
        return Currency(saturated(a.m_count, -b.m_count));
    }
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }
    // The exact sum, or nullopt when it leaves the range.
    static std::optional<Currency> add(Currency a, Currency b)
    {
        int64_t sum = 0;
        if (__builtin_add_overflow(a.m_count, b.m_count, &sum))
            return std::nullopt;
        return Currency(sum);
    }
    friend constexpr bool operator==(Currency a, Currency b) = default;
    friend constexpr auto operator<=>(Currency a, Currency b) = default;

private:
    constexpr explicit Currency(int64_t count)
        : m_count(count)
    {
    }
    static constexpr int64_t saturated(int64_t a, int64_t b)
    {
        int64_t sum = 0;
        if (__builtin_add_overflow(a, b, &sum))
            return b > 0 ? INT64_MAX : INT64_MIN;
        return sum;
    }
    int64_t m_count = 0;
};

} // namespace tallyrin
