// The settings-file reader on its own: the first byte of the input chooses the kinds of item read
// one after another, the rest is the file's text. What was read without a fault is written back
// with the writer and must read again to the same items and the same text.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "text/SettingsFile.h"

#include <variant>
#include <vector>

namespace tallyrin::fuzz {

namespace {

enum class ItemKind
{
    Single,
    Double,
    Currency,
    Int16,
    Boolean,
    Text,
    Reserved,
    Skip,
};
constexpr int kItemKinds = 8;

struct Skipped
{
};
using Item = std::variant<float, double, Currency, int16_t, bool, std::string, ReservedItem, Skipped>;

// The kinds to read: a small generator seeded by the first byte, so that one byte describes a
// long and varied schedule.
std::vector<ItemKind> schedule(uint8_t seed)
{
    std::vector<ItemKind> kinds;
    uint32_t state = seed * 2654435761u + 1;
    for (int i = 0; i < 48; ++i) {
        state ^= state << 13, state ^= state >> 17, state ^= state << 5;
        kinds.push_back(static_cast<ItemKind>(state % kItemKinds));
    }
    return kinds;
}

// Reads items of `kinds` until the first fault (or, with `stopAtEnd`, until only blank lines are
// left); returns those read whole.
std::vector<Item> readItems(SettingsReader& r, const std::vector<ItemKind>& kinds, bool stopAtEnd)
{
    std::vector<Item> items;
    for (ItemKind kind : kinds) {
        if (stopAtEnd && r.atEnd())
            break;
        bool ok = false;
        switch (kind) {
        case ItemKind::Single: {
            float v = 0;
            ok = r.single(v), items.emplace_back(v);
            break;
        }
        case ItemKind::Double: {
            double v = 0;
            ok = r.dbl(v), items.emplace_back(v);
            break;
        }
        case ItemKind::Currency: {
            Currency v;
            ok = r.currency(v), items.emplace_back(v);
            break;
        }
        case ItemKind::Int16: {
            int16_t v = 0;
            ok = r.int16(v), items.emplace_back(v);
            break;
        }
        case ItemKind::Boolean: {
            bool v = false;
            ok = r.boolean(v), items.emplace_back(v);
            break;
        }
        case ItemKind::Text: {
            std::string v;
            ok = r.text(v), items.emplace_back(std::move(v));
            break;
        }
        case ItemKind::Reserved: {
            ReservedItem v;
            ok = r.reserved(v), items.emplace_back(std::move(v));
            break;
        }
        case ItemKind::Skip:
            ok = r.skip(), items.emplace_back(Skipped{});
            break;
        }
        if (!ok) {
            items.pop_back();
            break;
        }
    }
    return items;
}

// Five items a record, as the files hold several items a line. A record is never one item alone:
// a lone empty item is a blank line, which the format cannot tell from no item at all.
std::string writeItems(const std::vector<Item>& items)
{
    SettingsWriter w;
    int inRecord = 0;
    size_t left = items.size();
    for (const Item& item : items) {
        --left;
        std::visit(
            [&w](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, float>)
                    w.single(v);
                else if constexpr (std::is_same_v<T, double>)
                    w.dbl(v);
                else if constexpr (std::is_same_v<T, Currency>)
                    w.currency(v);
                else if constexpr (std::is_same_v<T, int16_t>)
                    w.int16(v);
                else if constexpr (std::is_same_v<T, bool>)
                    w.boolean(v);
                else if constexpr (std::is_same_v<T, std::string>)
                    w.text(v);
                else if constexpr (std::is_same_v<T, ReservedItem>)
                    w.reserved(v);
                else
                    w.text("skipped");
            },
            item);
        if (++inRecord >= 5 && left != 1)
            w.endRecord(), inRecord = 0;
    }
    if (inRecord > 0)
        w.endRecord();
    return w.str();
}

} // namespace

void settingsReader(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    const std::vector<ItemKind> kinds = schedule(data[0]);
    SettingsReader first(inputText(data + 1, size - 1));
    std::vector<Item> items = readItems(first, kinds, true);
    (void)first.atEnd();
    (void)first.fault();

    if (items.size() == 1 && std::holds_alternative<ReservedItem>(items[0]) &&
        std::get<ReservedItem>(items[0]).kind == ReservedItem::Kind::NoValue)
        return;
    expectSameText("settings items", writeItems(items), [&kinds, &items](const std::string& text) {
        std::vector<ItemKind> readBack(kinds.begin(), kinds.begin() + static_cast<std::ptrdiff_t>(items.size()));
        SettingsReader second(text);
        std::vector<Item> again = readItems(second, readBack, false);
        std::string fault;
        if (!second.ok())
            fault = second.fault()->what;
        else if (again.size() != items.size())
            fault = "fewer items";
        else if (!second.atEnd())
            fault = "items left over";
        return Rewritten{writeItems(again), fault};
    });
}

} // namespace tallyrin::fuzz
