#include "bank/AchFile.h"

#include <cctype>

namespace tallyrin {
namespace {

// Upper case, printable ASCII only, cut or blank-filled to `width`.
std::string alpha(const std::string& text, size_t width)
{
    std::string field;
    for (char c : text) {
        if (field.size() == width)
            break;
        const auto u = static_cast<unsigned char>(c);
        field += (u >= 0x20 && u < 0x7f) ? static_cast<char>(std::toupper(u)) : ' ';
    }
    field.resize(width, ' ');
    return field;
}

// Right-justified and zero-filled to `width`.
std::string numeric(unsigned long long value, size_t width)
{
    std::string digits = std::to_string(value);
    if (digits.size() > width)
        digits = digits.substr(digits.size() - width);
    return std::string(width - digits.size(), '0') + digits;
}

unsigned long long cents(const Currency& amount) { return static_cast<unsigned long long>(amount.count() / 100); }

constexpr const char* kServiceClass = "220"; // credits only
constexpr const char* kBatchNumber = "0000001";

} // namespace

unsigned long long achEntryHash(const std::vector<AchEntry>& entries)
{
    unsigned long long sum = 0;
    for (const AchEntry& e : entries)
        sum += std::stoull(e.routing.substr(0, 8));
    return sum % 10000000000ULL;
}

std::string achFile(const AchPayday& p)
{
    const AchOriginator& o = p.originator;
    const std::string odfi = o.bankRouting.substr(0, 8);
    std::vector<std::string> records;

    records.push_back("101" + alpha(" " + o.bankRouting, 10) + alpha(o.companyId, 10) + p.date + "0000" + "A" + "094" +
                      "10" + "1" + alpha(o.bankName, 23) + alpha(o.companyName, 23) + alpha("", 8));
    records.push_back("5" + std::string(kServiceClass) + alpha(o.companyName, 16) + alpha("", 20) +
                      alpha(o.companyId, 10) + "PPD" + alpha(p.description, 10) + alpha("", 6) + p.date +
                      alpha("", 3) + "1" + odfi + kBatchNumber);
    Currency total;
    unsigned long long sequence = 0;
    for (const AchEntry& e : p.entries) {
        total += e.amount;
        records.push_back("6" + std::string(e.savings ? "32" : "22") + e.routing.substr(0, 9) + alpha(e.account, 17) +
                          numeric(cents(e.amount), 10) + alpha(e.id, 15) + alpha(e.name, 22) + alpha("", 2) + "0" +
                          odfi + numeric(++sequence, 7));
    }
    const unsigned long long hash = achEntryHash(p.entries);
    const size_t count = p.entries.size();
    records.push_back("8" + std::string(kServiceClass) + numeric(count, 6) + numeric(hash, 10) + numeric(0, 12) +
                      numeric(cents(total), 12) + alpha(o.companyId, 10) + alpha("", 19) + alpha("", 6) + odfi +
                      kBatchNumber);
    const size_t blocks = (records.size() + 1 + kAchBlockingFactor - 1) / kAchBlockingFactor;
    records.push_back("9" + numeric(1, 6) + numeric(blocks, 6) + numeric(count, 8) + numeric(hash, 10) +
                      numeric(0, 12) + numeric(cents(total), 12) + alpha("", 39));
    while (records.size() % kAchBlockingFactor != 0)
        records.push_back(std::string(kAchRecordLength, '9'));

    std::string file;
    for (const std::string& record : records)
        file += record + "\n";
    return file;
}

} // namespace tallyrin
