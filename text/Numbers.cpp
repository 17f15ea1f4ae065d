#include "text/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tallyrin {

namespace {

// A decimal number as digits: value = 0.d1d2d3... x 10^point. No leading or trailing zeros in
// `digits`; zero has no digits. The sign is kept for zero too, so a negative value that a mask
// rounds to zero still shows its '-'.
struct Decimal
{
    bool negative = false;
    std::string digits;
    int point = 0;

    bool isZero() const { return digits.empty(); }
};

void normalize(Decimal& d)
{
    size_t lead = d.digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        d.digits.clear();
        d.point = 0;
        return;
    }
    d.digits.erase(0, lead);
    d.point -= static_cast<int>(lead);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
}

// Keeps the first `keep` digits (keep >= 0) and rounds on the dropped ones.
void roundAt(Decimal& d, long keep, Halfway halfway)
{
    if (keep < 0) {
        d.digits.clear();
        d.point = 0;
        return;
    }
    if (static_cast<size_t>(keep) >= d.digits.size())
        return;
    const char next = d.digits[keep];
    bool up = next > '5';
    if (next == '5') {
        const bool exactHalf = d.digits.find_first_not_of('0', keep + 1) == std::string::npos;
        if (!exactHalf || halfway == Halfway::AwayFromZero)
            up = true;
        else
            up = keep > 0 && (d.digits[keep - 1] - '0') % 2 == 1;
    }
    d.digits.resize(keep);
    if (up) {
        long i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    normalize(d);
}

void roundSignificant(Decimal& d, int significant, Halfway halfway) { roundAt(d, significant, halfway); }

void roundDecimals(Decimal& d, int decimals, Halfway halfway)
{
    if (!d.isZero())
        roundAt(d, static_cast<long>(d.point) + decimals, halfway);
}

// The exact decimal value of a binary number (every finite binary value has a finite one).
Decimal exactDecimal(double value, int precision)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    // The caller's precision must cover the longest exact expansion of its kind: 767 significant
    // digits for a double, 112 for a single.
    std::array<char, 800> buf{};
    auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value), std::chars_format::scientific, precision);
    std::string_view text(buf.data(), res.ptr - buf.data());
    const size_t e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    d.point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
    normalize(d);
    return d;
}

// Rule A: the digits of plain text, P significant digits, ties away from zero.
Decimal plainDigits(double value, int significant)
{
    // The value correctly rounded to P + 24 digits decides the rounding as the exact expansion does,
    // unless it ends in a 5 right after the P digits kept: only then can it be a true tie (or a value
    // a hair below one), and the exact expansion is read.
    Decimal d = exactDecimal(value, significant + 23);
    if (d.digits.size() == static_cast<size_t>(significant) + 1 && d.digits.back() == '5')
        d = exactDecimal(value, significant == 7 ? 120 : 780);
    roundSignificant(d, significant, Halfway::AwayFromZero);
    if (d.isZero())
        d.negative = false; // negative zero prints like zero
    return d;
}

Decimal integerDecimal(int64_t value)
{
    Decimal d;
    d.negative = value < 0;
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    d.digits = std::to_string(magnitude);
    d.point = static_cast<int>(d.digits.size());
    normalize(d);
    return d;
}

Decimal currencyDecimal(Currency value)
{
    Decimal d = integerDecimal(value.count());
    if (!d.isZero())
        d.point -= 4;
    return d;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

// Plain text of section "number to plain text": fixed or exponent form, no separators.
std::string plainText(const Decimal& d, int significant, bool dropLeadingZero)
{
    if (d.isZero())
        return "0";
    std::string out = d.negative ? "-" : "";
    const int len = static_cast<int>(d.digits.size());
    const int exponent = d.point - 1;
    const int k = len - 1;
    const bool exponentForm =
        exponent >= significant || (exponent <= -5 && -exponent + std::max(k - 1, 0) >= significant);
    if (exponentForm) {
        out += d.digits[0];
        if (len > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2)
            out += '0';
        out += magnitude;
    } else if (d.point <= 0) {
        out += dropLeadingZero ? "." : "0.";
        out.append(static_cast<size_t>(-d.point), '0');
        out += d.digits;
    } else if (d.point >= len) {
        out += d.digits;
        out.append(static_cast<size_t>(d.point - len), '0');
    } else {
        out.append(d.digits, 0, d.point);
        out += '.';
        out.append(d.digits, d.point);
    }
    return out;
}

template <typename T> std::string plainForm(T value, bool dropLeadingZero)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const int significant = std::is_same_v<T, float> ? 7 : 15;
    return plainText(plainDigits(value, significant), significant, dropLeadingZero);
}

// ---- Masks ----

struct Mask
{
    std::string prefix; // text before the first digit position ("$")
    std::string suffix; // text after the last digit position ("%")
    int minIntegerDigits = 0;
    bool separators = false;
    bool hasPoint = false;
    int decimals = 0;          // digit positions after the point
    int mandatoryDecimals = 0; // up to and including the last '0' after the point
    bool percent = false;
};

Mask parseMask(std::string_view text)
{
    Mask m;
    size_t i = 0;
    while (i < text.size() && text[i] != '#' && text[i] != '0' && text[i] != '.' && text[i] != ',')
        m.prefix += text[i++];
    int positions = 0;
    int firstZero = -1;
    for (; i < text.size() && (text[i] == '#' || text[i] == '0' || text[i] == ','); ++i) {
        if (text[i] == ',') {
            m.separators = true;
            continue;
        }
        if (text[i] == '0' && firstZero < 0)
            firstZero = positions;
        ++positions;
    }
    m.minIntegerDigits = firstZero < 0 ? 0 : positions - firstZero;
    if (i < text.size() && text[i] == '.') {
        m.hasPoint = true;
        for (++i; i < text.size() && (text[i] == '#' || text[i] == '0'); ++i) {
            ++m.decimals;
            if (text[i] == '0')
                m.mandatoryDecimals = m.decimals;
        }
    }
    m.suffix = std::string(text.substr(i));
    m.percent = m.suffix.find('%') != std::string::npos;
    return m;
}

std::string applyMask(Decimal d, std::string_view maskText)
{
    const Mask mask = parseMask(maskText);
    const bool negative = d.negative; // noted before rounding: -0.004 gives "-.00"
    if (mask.percent && !d.isZero())
        d.point += 2;
    roundDecimals(d, mask.decimals, Halfway::AwayFromZero);

    std::string integerDigits;
    std::string decimalDigits;
    if (!d.isZero()) {
        const int len = static_cast<int>(d.digits.size());
        if (d.point > 0) {
            integerDigits = d.digits.substr(0, std::min(d.point, len));
            integerDigits.append(static_cast<size_t>(std::max(d.point - len, 0)), '0');
        }
        for (int place = 0; place < mask.decimals; ++place) {
            const int index = d.point + place;
            decimalDigits += index >= 0 && index < len ? d.digits[index] : '0';
        }
    } else {
        decimalDigits.assign(static_cast<size_t>(mask.decimals), '0');
    }
    while (static_cast<int>(decimalDigits.size()) > mask.mandatoryDecimals && !decimalDigits.empty() &&
           decimalDigits.back() == '0')
        decimalDigits.pop_back();
    if (static_cast<int>(integerDigits.size()) < mask.minIntegerDigits)
        integerDigits.insert(0, static_cast<size_t>(mask.minIntegerDigits) - integerDigits.size(), '0');
    if (mask.separators) {
        for (int pos = static_cast<int>(integerDigits.size()) - 3; pos > 0; pos -= 3)
            integerDigits.insert(static_cast<size_t>(pos), 1, ',');
    }

    std::string out = negative ? "-" : "";
    out += mask.prefix;
    out += integerDigits;
    if (mask.hasPoint) {
        out += '.';
        out += decimalDigits;
    }
    out += mask.suffix;
    return out;
}

// ---- Text to number ----

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads "&H..." or "&O..." at `i`; returns the number of characters read (0 when none).
size_t readRadixInteger(std::string_view text, size_t i, Decimal& out)
{
    if (i + 2 > text.size() || text[i] != '&')
        return 0;
    const char kind = text[i + 1];
    int radix = 0;
    if (kind == 'H' || kind == 'h')
        radix = 16;
    else if (kind == 'O' || kind == 'o')
        radix = 8;
    else
        return 0;
    size_t j = i + 2;
    uint64_t value = 0;
    for (; j < text.size(); ++j) {
        const int digit = hexValue(text[j]);
        if (digit < 0 || digit >= radix)
            break;
        if (value > (std::numeric_limits<uint64_t>::max() >> 4))
            return 0; // too long to be a number of any kind
        value = value * radix + static_cast<uint64_t>(digit);
    }
    if (j == i + 2)
        return 0;
    out.digits = std::to_string(value);
    out.point = static_cast<int>(out.digits.size());
    normalize(out);
    return j - i;
}

// Reads digits with at most one point (commas skipped after the first digit when `commas`), then
// an optional exponent. Returns characters read; 0 when no digit was found. When `strictExponent`
// an 'E' without digits makes the whole read fail (returns npos); otherwise the read stops before it.
size_t readDecimal(std::string_view text, size_t start, bool commas, bool strictExponent, Decimal& out)
{
    size_t i = start;
    bool sawDigit = false;
    bool sawPoint = false;
    int pointAt = 0;
    std::string digits;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            sawDigit = true;
            digits += c;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
            pointAt = static_cast<int>(digits.size());
        } else if (c == ',' && commas && sawDigit) {
            continue;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return 0;
    if (!sawPoint)
        pointAt = static_cast<int>(digits.size());
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negativeExponent = text[j++] == '-';
        const size_t firstExponentDigit = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent = std::min(exponent * 10 + (text[j] - '0'), 100000L);
        if (j == firstExponentDigit) {
            if (strictExponent)
                return std::string_view::npos;
            exponent = 0;
        } else {
            i = j;
            if (negativeExponent)
                exponent = -exponent;
        }
    }
    out.digits = digits;
    out.point = pointAt + static_cast<int>(exponent);
    normalize(out);
    return i - start;
}

// The double nearest to the decimal number; nullopt when it is too large for a double.
std::optional<double> toDouble(const Decimal& d)
{
    double magnitude = 0;
    if (!d.isZero()) {
        if (d.point > 400)
            return std::nullopt;
        if (d.point < -400) {
            magnitude = 0;
        } else {
            // Digits with an exponent and no point, so the machine's decimal separator cannot matter.
            const std::string text = d.digits + "e" + std::to_string(d.point - static_cast<int>(d.digits.size()));
            magnitude = std::strtod(text.c_str(), nullptr);
            if (std::isinf(magnitude))
                return std::nullopt;
        }
    }
    return d.negative ? -magnitude : magnitude;
}

// Full conversion to exact decimal digits (the whole text must be one number).
std::optional<Decimal> fullDecimal(std::string_view text)
{
    size_t i = 0;
    bool plus = false, minus = false, dollar = false, paren = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c))
            continue;
        bool* seen = c == '+' ? &plus : c == '-' ? &minus : c == '$' ? &dollar : c == '(' ? &paren : nullptr;
        if (!seen || *seen)
            break;
        *seen = true;
    }
    Decimal d;
    size_t used = readRadixInteger(text, i, d);
    if (used == 0) {
        used = readDecimal(text, i, true, true, d);
        if (used == 0 || used == std::string_view::npos)
            return std::nullopt;
    }
    i += used;
    bool trailingComma = false, closeParen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c))
            continue;
        if (c == ',' && !trailingComma)
            trailingComma = true;
        else if (c == '-' && !minus)
            minus = true;
        else if (c == '+' && !plus)
            plus = true;
        else if (c == '$' && !dollar)
            dollar = true;
        else if (c == ')' && paren && !closeParen)
            closeParen = true;
        else
            return std::nullopt;
    }
    if (paren && !closeParen)
        return std::nullopt;
    d.negative = minus || paren;
    if (!toDouble(d))
        return std::nullopt; // overflow
    return d;
}

} // namespace

std::string screenText(float value) { return plainForm(value, false); }
std::string screenText(double value) { return plainForm(value, false); }
std::string fileText(float value) { return plainForm(value, true); }
std::string fileText(double value) { return plainForm(value, true); }

std::string printText(float value)
{
    std::string text = fileText(value);
    if (text.front() != '-')
        text.insert(text.begin(), ' ');
    return text + ' ';
}

std::string format(float value, std::string_view mask)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return applyMask(plainDigits(value, 7), mask);
}

std::string format(double value, std::string_view mask)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return applyMask(plainDigits(value, 15), mask);
}

std::string format(Currency value, std::string_view mask) { return applyMask(currencyDecimal(value), mask); }

std::string format(int16_t value, std::string_view mask) { return applyMask(integerDecimal(value), mask); }

std::string formatText(std::string_view text, std::string_view mask)
{
    std::optional<Decimal> d = fullDecimal(text);
    if (!d)
        return std::string(text);
    return applyMask(*d, mask);
}

double leadingNumber(std::string_view text)
{
    std::string packed;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            packed += c;
    }
    size_t i = 0;
    bool negative = false;
    if (i < packed.size() && (packed[i] == '+' || packed[i] == '-'))
        negative = packed[i++] == '-';
    Decimal d;
    if (readRadixInteger(packed, i, d) == 0 && readDecimal(packed, i, false, false, d) == 0)
        return 0;
    d.negative = negative;
    // A number too large for a double counts as no number (this conversion never fails).
    return toDouble(d).value_or(0.0);
}

// The plain form "[-]digits[.digits]" that the program writes itself: the nearest double, as the
// general reader below gives it, without building its digits.
std::optional<double> plainNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view magnitude = text.substr(negative ? 1 : 0);
    if (magnitude.empty() || magnitude.size() > 40)
        return std::nullopt;
    bool digit = false, point = false;
    for (const char c : magnitude) {
        if (isDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), value, std::chars_format::fixed);
    if (!digit || error != std::errc() || end != magnitude.data() + magnitude.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> fullNumber(std::string_view text)
{
    if (const auto plain = plainNumber(text))
        return plain;
    std::optional<Decimal> d = fullDecimal(text);
    if (!d)
        return std::nullopt;
    return toDouble(*d);
}

std::optional<float> fullSingle(std::string_view text)
{
    std::optional<double> value = fullNumber(text);
    if (!value)
        return std::nullopt;
    const float single = static_cast<float>(*value);
    if (std::isinf(single))
        return std::nullopt;
    return single;
}

namespace {

std::optional<float> computeScreenRoundTrip(float value)
{
    const Decimal d = plainDigits(value, 7);
    if (d.isZero())
        return 0.0f;
    // At most seven digits times a power of ten both exact in a double: one division or
    // multiplication gives the nearest double, as reading the text does.
    static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const int exponent = d.point - static_cast<int>(d.digits.size());
    if (exponent < -22 || exponent > 22)
        return fullSingle(screenText(value));
    double digits = 0;
    for (const char c : d.digits)
        digits = digits * 10 + (c - '0');
    const double magnitude = exponent < 0 ? digits / kTens[-exponent] : digits * kTens[exponent];
    const float single = static_cast<float>(d.negative ? -magnitude : magnitude);
    if (std::isinf(single))
        return std::nullopt;
    return single;
}

} // namespace

std::optional<float> screenRoundTrip(float value)
{
    if (!std::isfinite(value))
        return fullSingle(screenText(value));
    return computeScreenRoundTrip(value);
}

std::optional<Currency> fullCurrency(std::string_view text)
{
    std::optional<double> value = fullNumber(text);
    if (!value)
        return std::nullopt;
    return Currency::fromDouble(*value);
}

std::optional<int16_t> wholeNumber(double value)
{
    if (!(value >= -32768.5 && value < 32767.5))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole; // exact in this range
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return static_cast<int16_t>(whole);
}

std::optional<int16_t> wholeNumber(std::string_view text)
{
    std::optional<Decimal> d = fullDecimal(text);
    if (!d)
        return std::nullopt;
    roundDecimals(*d, 0, Halfway::ToEven);
    if (d->point > 5)
        return std::nullopt;
    long magnitude = 0;
    for (int place = 0; place < d->point; ++place)
        magnitude = magnitude * 10 + (place < static_cast<int>(d->digits.size()) ? d->digits[place] - '0' : 0);
    const long value = d->negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

float roundCents(float value)
{
    if (!std::isfinite(value))
        return value;
    return fullSingle(format(value, "#,###.00")).value_or(value);
}

double roundCents(double value)
{
    if (!std::isfinite(value))
        return value;
    return fullNumber(format(value, "#,###.00")).value_or(value);
}

std::string dateText(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", month, day, year);
    return text;
}

} // namespace tallyrin
