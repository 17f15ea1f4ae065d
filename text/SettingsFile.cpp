#include "text/SettingsFile.h"

#include "text/Numbers.h"

#include <cmath>

namespace tallyrin {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A number item: optional sign, digits with at most one point, optional exponent.
bool isNumberSyntax(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t first = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == first)
            return false;
    }
    return i == text.size();
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

// ---- Writer ----

void SettingsWriter::separate()
{
    if (!m_firstInRecord)
        m_out += ',';
    m_firstInRecord = false;
}

SettingsWriter& SettingsWriter::single(float value)
{
    separate();
    m_out += fileText(value);
    return *this;
}

SettingsWriter& SettingsWriter::dbl(double value)
{
    separate();
    m_out += fileText(value);
    return *this;
}

SettingsWriter& SettingsWriter::currency(Currency value)
{
    separate();
    m_out += value.fileText();
    return *this;
}

SettingsWriter& SettingsWriter::int16(int16_t value)
{
    separate();
    m_out += std::to_string(value);
    return *this;
}

SettingsWriter& SettingsWriter::boolean(bool value)
{
    separate();
    m_out += value ? "#TRUE#" : "#FALSE#";
    return *this;
}

SettingsWriter& SettingsWriter::text(std::string_view value)
{
    separate();
    m_out += '"';
    // The form cannot hold a double quote inside a text: it would end the text early and shift every
    // later item of the file. An apostrophe takes its place.
    for (char c : value)
        m_out += c == '"' ? '\'' : c;
    m_out += '"';
    return *this;
}

SettingsWriter& SettingsWriter::reserved(const ReservedItem& item)
{
    switch (item.kind) {
    case ReservedItem::Kind::NoValue:
        separate();
        break;
    case ReservedItem::Kind::Number:
        dbl(item.number);
        break;
    case ReservedItem::Kind::Boolean:
        boolean(item.boolean);
        break;
    case ReservedItem::Kind::Text:
        text(item.text);
        break;
    }
    return *this;
}

SettingsWriter& SettingsWriter::endRecord()
{
    m_out += "\r\n";
    m_firstInRecord = true;
    return *this;
}

// ---- Reader ----

SettingsReader::SettingsReader(std::string content)
    : m_in(std::move(content))
{
}

bool SettingsReader::reject(std::string what)
{
    // The item just read is taken back as the fault.
    return fail(std::move(what));
}

bool SettingsReader::fail(std::string what)
{
    // A bad item is quoted in the fault as a short prefix only: a damaged file may hold one item
    // of megabytes, and the operator needs to know where, not to read it all.
    constexpr size_t kLongest = 60;
    if (what.size() > kLongest) {
        size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(what[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 sequence
        what.resize(cut);
        what += "...";
    }
    if (!m_fault)
        m_fault = ReadFault{m_item, m_itemLine, std::move(what)};
    return false;
}

std::optional<SettingsReader::Raw> SettingsReader::next()
{
    if (m_fault)
        return std::nullopt;
    ++m_item;
    while (m_pos < m_in.size() && isBlank(m_in[m_pos]))
        ++m_pos;
    m_itemLine = m_line;
    if (m_pos >= m_in.size()) {
        fail("the file ends early");
        return std::nullopt;
    }

    // Consumes one line end (CR LF, lone CR or lone LF) at m_pos if there is one.
    const auto takeLineEnd = [this] {
        if (m_pos >= m_in.size())
            return false;
        if (m_in[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_in.size() && m_in[m_pos] == '\n')
                ++m_pos;
        } else if (m_in[m_pos] == '\n') {
            ++m_pos;
        } else {
            return false;
        }
        ++m_line;
        return true;
    };

    Raw raw;
    if (m_in[m_pos] == '"') {
        raw.quoted = true;
        ++m_pos;
        // The text runs to the next quote, commas and line ends included; a file cut inside a text
        // ends the text there.
        while (m_pos < m_in.size() && m_in[m_pos] != '"') {
            const size_t at = m_pos;
            if (takeLineEnd())
                raw.text.append(m_in, at, m_pos - at);
            else
                raw.text += m_in[m_pos++];
        }
        if (m_pos < m_in.size())
            ++m_pos;
        while (m_pos < m_in.size() && isBlank(m_in[m_pos]))
            ++m_pos;
        if (m_pos < m_in.size() && m_in[m_pos] == ',')
            ++m_pos;
        else
            takeLineEnd(); // any other character starts the next item
        return noNul(std::move(raw));
    }

    const size_t start = m_pos;
    while (m_pos < m_in.size() && m_in[m_pos] != ',' && m_in[m_pos] != '\r' && m_in[m_pos] != '\n')
        ++m_pos;
    size_t end = m_pos;
    while (end > start && isBlank(m_in[end - 1]))
        --end;
    raw.text = m_in.substr(start, end - start);
    if (m_pos < m_in.size() && m_in[m_pos] == ',')
        ++m_pos;
    else
        takeLineEnd();
    return noNul(std::move(raw));
}

std::optional<SettingsReader::Raw> SettingsReader::noNul(Raw raw)
{
    // No item the program writes holds a NUL byte: one means the file was damaged.
    if (raw.text.find('\0') != std::string::npos) {
        fail("a NUL byte in an item");
        return std::nullopt;
    }
    return raw;
}

std::optional<double> SettingsReader::number(const Raw& raw)
{
    // A quoted text where a number belongs means the items have shifted: the file is corrupt.
    if (raw.quoted || (!raw.text.empty() && !isNumberSyntax(raw.text))) {
        fail(raw.quoted ? "not a number: \"" + raw.text + "\"" : "not a number: " + raw.text);
        return std::nullopt;
    }
    if (raw.text.empty())
        return 0.0;
    std::optional<double> value = fullNumber(raw.text);
    if (!value)
        fail("number out of range: " + raw.text);
    return value;
}

std::optional<double> SettingsReader::nextNumber(std::string& text)
{
    const std::optional<Raw> raw = next();
    if (!raw)
        return std::nullopt;
    text = raw->text;
    return number(*raw);
}

template <class T, class Convert> bool SettingsReader::numberAs(T& value, Convert convert)
{
    std::string text;
    const std::optional<double> v = nextNumber(text);
    if (!v)
        return false;
    const std::optional<T> converted = convert(*v);
    if (!converted)
        return fail("number out of range: " + text);
    value = *converted;
    return true;
}

bool SettingsReader::single(float& value)
{
    return numberAs(value, [](double v) {
        const auto single = static_cast<float>(v);
        return std::isinf(single) ? std::nullopt : std::optional<float>(single);
    });
}

bool SettingsReader::dbl(double& value)
{
    return numberAs(value, [](double v) { return std::optional<double>(v); });
}

bool SettingsReader::currency(Currency& value) { return numberAs(value, Currency::fromDouble); }

bool SettingsReader::int16(int16_t& value)
{
    return numberAs(value, [](double v) { return wholeNumber(v); });
}

bool SettingsReader::boolean(bool& value)
{
    std::optional<Raw> raw = next();
    if (!raw)
        return false;
    if (raw->quoted)
        return fail("not a boolean: \"" + raw->text + "\"");
    if (raw->text.empty() || equalsNoCase(raw->text, "#FALSE#")) {
        value = false;
        return true;
    }
    if (equalsNoCase(raw->text, "#TRUE#")) {
        value = true;
        return true;
    }
    // A number stands for a flag too: zero is false, anything else true.
    if (isNumberSyntax(raw->text)) {
        if (std::optional<double> v = fullNumber(raw->text)) {
            value = *v != 0;
            return true;
        }
    }
    return fail("not a boolean: " + raw->text);
}

bool SettingsReader::text(std::string& value)
{
    std::optional<Raw> raw = next();
    if (!raw)
        return false;
    value = std::move(raw->text);
    return true;
}

bool SettingsReader::reserved(ReservedItem& item)
{
    std::optional<Raw> raw = next();
    if (!raw)
        return false;
    if (raw->quoted) {
        item = ReservedItem::ofText(std::move(raw->text));
    } else if (raw->text.empty()) {
        item = ReservedItem::noValue();
    } else if (equalsNoCase(raw->text, "#TRUE#") || equalsNoCase(raw->text, "#FALSE#")) {
        item = ReservedItem::ofBoolean(equalsNoCase(raw->text, "#TRUE#"));
    } else if (std::optional<double> v = isNumberSyntax(raw->text) ? fullNumber(raw->text) : std::nullopt) {
        item = ReservedItem::ofNumber(*v);
    } else {
        item = ReservedItem::ofText(std::move(raw->text));
    }
    return true;
}

bool SettingsReader::skip() { return next().has_value(); }

bool SettingsReader::atEnd() const
{
    for (size_t i = m_pos; i < m_in.size(); ++i) {
        const char c = m_in[i];
        if (!isBlank(c) && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

} // namespace tallyrin
