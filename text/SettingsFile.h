// Settings files: the sequential "write" form (comma-separated items, CR LF per record, quoted
// texts, #TRUE#/#FALSE#) and the matching "input" reader that reports where reading failed.
#pragma once

#include "text/Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

// An item the program keeps without using: written back exactly as it was read.
struct ReservedItem
{
    enum class Kind
    {
        NoValue,
        Number,
        Boolean,
        Text,
    };
    Kind kind = Kind::NoValue;
    double number = 0;
    bool boolean = false;
    std::string text;

    static ReservedItem noValue() { return {}; }
    static ReservedItem ofNumber(double v) { return {Kind::Number, v, false, {}}; }
    static ReservedItem ofBoolean(bool v) { return {Kind::Boolean, 0, v, {}}; }
    static ReservedItem ofText(std::string v) { return {Kind::Text, 0, false, std::move(v)}; }
    friend bool operator==(const ReservedItem&, const ReservedItem&) = default;
};

// Builds the text of a settings file record by record. Items of one record are joined by ","
// and endRecord() writes CR LF.
class SettingsWriter
{
public:
    SettingsWriter& single(float value); // file form, 7 digits
    SettingsWriter& dbl(double value);   // file form, 15 digits
    SettingsWriter& currency(Currency value);
    SettingsWriter& int16(int16_t value);
    SettingsWriter& boolean(bool value);          // #TRUE# / #FALSE#
    SettingsWriter& text(std::string_view value); // quoted; a '"' inside becomes '\''
    SettingsWriter& reserved(const ReservedItem& item);
    SettingsWriter& endRecord();

    const std::string& str() const { return m_out; }

private:
    void separate();
    std::string m_out;
    bool m_firstInRecord = true;
};

struct ReadFault
{
    int item = 0;     // 1-based number of the item that failed, counted from the start of the file
    int line = 0;     // 1-based line where that item starts
    std::string what; // "the file ends early" or "not a number: ..." (for logs and tests)
};

// Reads items one after another across line ends. The first fault is kept and every later
// read fails too, leaving its target unchanged; items read before the fault keep their values.
class SettingsReader
{
public:
    explicit SettingsReader(std::string content);

    bool single(float& value);
    bool dbl(double& value);
    bool currency(Currency& value);
    bool int16(int16_t& value); // a number, rounded half to even; overflow is a fault
    bool boolean(bool& value);
    bool text(std::string& value);
    bool reserved(ReservedItem& item);
    bool skip(); // reads one item of any kind and drops it
    // A layout that finds the item just read impossible (out of its range, say) makes it the
    // file's fault, as if it could not be read; returns false.
    bool reject(std::string what);
    // Records end where the items end: the reader reads across line ends, so a format declared
    // once over a writer and a reader (see `SettingsFormat`) may mark its record ends for both.
    SettingsReader& endRecord() { return *this; }

    bool ok() const { return !m_fault.has_value(); }
    const std::optional<ReadFault>& fault() const { return m_fault; }
    bool atEnd() const; // only spaces and line ends are left

private:
    struct Raw
    {
        std::string text;
        bool quoted = false;
    };
    std::optional<Raw> next();
    std::optional<Raw> noNul(Raw raw);
    bool fail(std::string what);
    std::optional<double> number(const Raw& raw);
    // The next item read as a number; `text` receives the item as written, for fault messages.
    std::optional<double> nextNumber(std::string& text);
    // The next number converted; a number `convert` cannot take (nullopt) is out of range.
    template <class T, class Convert> bool numberAs(T& value, Convert convert);

    std::string m_in;
    size_t m_pos = 0;
    int m_line = 1;
    int m_item = 0;
    int m_itemLine = 1;
    std::optional<ReadFault> m_fault;
};

} // namespace tallyrin
