#pragma once
// What the value of a field means, declared beside its place: the items a
// number is chosen from, the range an edit keeps it in, its unit and how a
// reader sees it. The pages' controls, the comparison, the text form and its
// import all read these declarations, so a field's meaning is written once.
//
//   F(sensorType, bits(55, 1, 3), QT_TRANSLATE_NOOP("Ui", "Тип входа"), list(lists::inputTypes))
//   F(modbusAddress, u8(2), QT_TRANSLATE_NOOP("Ui", "Адрес Modbus"), range(1, 247))
//   F(recoveryTime, bits(53, 0, 6), ..., range(0, 63).in(QT_TRANSLATE_NOOP("Ui", "мин")))

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string_view>

namespace vrm {

// How a value is written for a reader.
enum class Shown : uint8_t { Number, Text, IPv4, Float, Hex };

// One item text, and where the same text means something else elsewhere, the
// disambiguation its translation is looked up by: QT_TRANSLATE_NOOP3 gives both.
struct ItemText {
    std::string_view text;
    std::string_view disambiguation;
    constexpr ItemText(const char* source) : text(source) {}
    constexpr ItemText(const char* source, const char* comment) : text(source), disambiguation(comment) {}
};

// A run of numbered items: item i is the number first + step * i (or
// first * 2^i when doubling) followed by `text`, or put in place of the "%1"
// that `text` holds.
struct ItemRun {
    int16_t first = 0;
    int16_t step = 1;
    uint8_t count = 0;
    std::string_view text;
    bool translated = false; // `text` is an interface text source
    bool doubling = false;
    std::string_view gap;    // put between the number and a translated `text` (" " + "Мин.")
};

// The items a number field is chosen from, in order: the fixed texts, then the run.
struct ItemList {
    std::span<const ItemText> texts;
    bool translated = true;  // the fixed texts are interface text sources, else literals
    ItemRun run;
    // The window's text table may replace the whole list by this name (a language file does).
    std::string_view hostList;
    // A list that code makes (from its own texts) where fixed texts and a run cannot say it.
    QStringList (*make)(bool translate) = nullptr;

    constexpr int count() const { return make ? -1 : int(texts.size()) + run.count; }
    constexpr ItemList then(ItemRun numbers) const
    {
        ItemList list = *this;
        list.run = numbers;
        return list;
    }
    constexpr ItemList replacedBy(std::string_view listName) const
    {
        ItemList list = *this;
        list.hostList = listName;
        return list;
    }
};

// How item lists are declared.
namespace items {
// Interface texts (translated where shown).
constexpr ItemList interfaceTexts(std::span<const ItemText> sources)
{
    ItemList list;
    list.texts = sources;
    return list;
}
// Texts shown as they are.
constexpr ItemList literals(std::span<const ItemText> texts)
{
    ItemList list;
    list.texts = texts;
    list.translated = false;
    return list;
}
// Only numbered items.
constexpr ItemList numbers(ItemRun run)
{
    return ItemList{}.then(run);
}
// A list that code makes.
constexpr ItemList made(QStringList (*make)(bool translate))
{
    ItemList list;
    list.make = make;
    return list;
}
// first, first + step, ... each followed by the literal `suffix`.
constexpr ItemRun run(int16_t first, int16_t step, uint8_t count, std::string_view suffix = {})
{
    ItemRun r;
    r.first = first;
    r.step = step;
    r.count = count;
    r.text = suffix;
    return r;
}
// The same with an interface text: a pattern holding "%1", or a suffix after `gap`.
constexpr ItemRun textRun(int16_t first, int16_t step, uint8_t count, std::string_view text,
                          std::string_view gap = {})
{
    ItemRun r = run(first, step, count, text);
    r.translated = true;
    r.gap = gap;
    return r;
}
// first, 2 first, 4 first, ... each followed by the literal `suffix`.
constexpr ItemRun doublingRun(int16_t first, uint8_t count, std::string_view suffix)
{
    ItemRun r = run(first, 1, count, suffix);
    r.doubling = true;
    return r;
}
} // namespace items

// The meaning of one field. The default: any value its kind can hold.
struct Domain {
    const ItemList* items = nullptr;
    int32_t itemBase = 0;  // stored value of item 0
    int8_t itemStep = 1;   // stored value of item i: itemBase + itemStep * i
    int8_t itemCount = 0;  // items of a made list (`make`), else 0
    bool ranged = false;
    int32_t low = 0;       // a number's valid values when ranged
    int32_t high = 0;
    int32_t fallback = 0;  // what an edit stores for a text that is no number (then clamped)
    std::string_view unit; // interface text source after a number ("мин")
    bool secret = false;   // never shown (the administrator password)
    bool shownSet = false;
    Shown shown = Shown::Number; // where `shownSet`: instead of the form of the field's kind

    constexpr Domain in(std::string_view unitText) const
    {
        Domain d = *this;
        d.unit = unitText;
        return d;
    }
    constexpr Domain as(Shown how) const
    {
        Domain d = *this;
        d.shown = how;
        d.shownSet = true;
        return d;
    }
    constexpr bool hasItems() const { return items != nullptr; }
    // Items of the list (a made list's count is declared with it).
    constexpr int itemTotal() const { return items ? (items->make ? itemCount : items->count()) : 0; }
    // The item index of a stored value, -1 for none.
    constexpr int indexOf(long long value) const
    {
        const long long steps = value - itemBase;
        if (itemStep == 0 || steps % itemStep != 0)
            return -1;
        const long long index = steps / itemStep;
        return index >= 0 && index < itemTotal() ? int(index) : -1;
    }
    constexpr long long valueOf(int index) const { return itemBase + (long long)itemStep * index; }
};

// The domain arguments of a field list entry.
namespace dom {
// Chosen from `list`; item i is stored as base + step * i.
constexpr Domain list(const ItemList& items, int32_t base = 0, int8_t step = 1)
{
    Domain d;
    d.items = &items;
    d.itemBase = base;
    d.itemStep = step;
    return d;
}
// Chosen from a list that code makes, of `count` items.
constexpr Domain madeList(const ItemList& items, int8_t count, int32_t base = 0)
{
    Domain d = list(items, base);
    d.itemCount = count;
    return d;
}
// A number from low to high; an edit reads a text that is no number as `fallback`.
constexpr Domain range(int32_t low, int32_t high, int32_t fallback = 0)
{
    Domain d;
    d.ranged = true;
    d.low = low;
    d.high = high;
    d.fallback = fallback;
    return d;
}
// Any value of its kind, in `unitText`.
constexpr Domain unit(std::string_view unitText)
{
    return Domain{}.in(unitText);
}
constexpr Domain secretText()
{
    Domain d;
    d.secret = true;
    return d;
}
} // namespace dom

} // namespace vrm
