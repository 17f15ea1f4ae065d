// The one implementation of how numbers become text and text becomes numbers: plain forms,
// masks, conversions and whole-number rounding. Every screen, file and print goes through here.
#pragma once

#include "text/Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

enum class Halfway
{
    AwayFromZero,
    ToEven,
};

// ---- Plain text (7 significant digits for a single, 15 for a double, ties away from zero) ----

// Screen form: "0.045", "-0.5", "1E+07". Negative zero prints "0".
std::string screenText(float value);
std::string screenText(double value);
// File form: the zero before the point dropped: ".045", "-.5", "1E-07".
std::string fileText(float value);
std::string fileText(double value);
// Print form (ledger print rows): file form with a leading space for values >= 0 or '-' for
// negatives, and one trailing space: " .5 ", "-.5 ", " 0 ".
std::string printText(float value);

// ---- Masks ----
// Masks of the system: "#,###.00", "$#,###.00", "$#,###.#0", "#####.00", "###.00",
// "000000.00" ... "0.00", "##.##", "##.##%". Digits come from the value's own kind
// (7 digits for a single, 15 for a double, exact for currency), then are rounded to the mask's
// decimals half away from zero.
std::string format(float value, std::string_view mask);
std::string format(double value, std::string_view mask);
std::string format(Currency value, std::string_view mask);
std::string format(int16_t value, std::string_view mask);
// Text given to a mask is read by full conversion and used with all its digits; text that full
// conversion rejects (an empty caption, say) is returned unchanged.
std::string formatText(std::string_view text, std::string_view mask);

// ---- Text to number ----

// Leading-number conversion: never fails; whitespace anywhere is removed, then the longest
// leading number is read; nothing read gives 0 ("12abc" -> 12, "$5" -> 0, "1,234" -> 1).
double leadingNumber(std::string_view text);

// Full conversion: the whole text must be one number (accepts "$", ",", "(5)", "5-", "&H10" ...).
// nullopt when the text is not a number. "-.00" gives negative zero.
std::optional<double> fullNumber(std::string_view text);
// Full conversion then rounding to the target kind; nullopt on failure or overflow.
std::optional<float> fullSingle(std::string_view text);
// What a box gives back for a single it shows: fullSingle(screenText(value)), without the text.
std::optional<float> screenRoundTrip(float value);
std::optional<Currency> fullCurrency(std::string_view text);

// ---- Whole numbers (half to even, 16-bit range -32768.5 <= x < 32767.5, else nullopt) ----
std::optional<int16_t> wholeNumber(double value);
// From text: full conversion, the tie decided on the decimal digits ("12.50" -> 12, "13.50" -> 14).
std::optional<int16_t> wholeNumber(std::string_view text);

// ---- Rounding to cents: format with "#,###.00" and read the text back ----
float roundCents(float value);
double roundCents(double value);

// ---- Dates ----
// "MM/DD/YYYY", always 10 characters: dateText(2009, 12, 31) == "12/31/2009".
std::string dateText(int year, int month, int day);

} // namespace tallyrin
