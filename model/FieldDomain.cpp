#include "model/FieldDomain.h"

#include "model/UiText.h"

namespace vrm {

namespace {

QString source(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString shown(std::string_view text, bool translate, std::string_view disambiguation = {})
{
    if (!translate)
        return source(text);
    const QByteArray comment(disambiguation.data(), qsizetype(disambiguation.size()));
    return Ui::tr(QByteArray(text.data(), qsizetype(text.size())).constData(),
                  comment.isEmpty() ? nullptr : comment.constData());
}

QString runItem(const ItemRun& run, int index, bool translate)
{
    const long long number = run.doubling ? (long long)run.first << index : run.first + (long long)run.step * index;
    const QString text = shown(run.text, translate && run.translated);
    if (text.contains(QStringLiteral("%1")))
        return text.arg(number);
    return QString::number(number) + source(run.gap) + text;
}

// A list's items are numbered 0..count-1; the stored values follow the domain.
int itemCount(const FieldInfo& field)
{
    return field.domain.itemTotal();
}

} // namespace

QStringList itemTexts(const ItemList& list, bool translate)
{
    if (list.make)
        return list.make(translate);
    QStringList items;
    for (const ItemText& item : list.texts)
        items << shown(item.text, translate && list.translated, item.disambiguation);
    for (int i = 0; i < list.run.count; ++i)
        items << runItem(list.run, i, translate);
    return items;
}

std::optional<QString> itemText(const FieldInfo& field, long long value, bool translate)
{
    if (!field.domain.hasItems())
        return std::nullopt;
    const int index = field.domain.indexOf(value);
    if (index < 0)
        return std::nullopt;
    const QStringList items = itemTexts(*field.domain.items, translate);
    if (index >= items.size())
        return std::nullopt;
    return items[index];
}

NumberBounds kindBounds(const FieldInfo& field)
{
    switch (field.kind) {
    case FieldKind::Bits: return {0, (1LL << field.bitCount) - 1};
    case FieldKind::U8: return {0, 0xFF};
    case FieldKind::I8: return {-128, 127};
    case FieldKind::U16: return {0, 0xFFFF};
    default: return {0, 0xFFFFFFFFLL};
    }
}

NumberBounds domainBounds(const FieldInfo& field)
{
    const Domain& d = field.domain;
    if (d.hasItems()) {
        const long long first = d.valueOf(0);
        const long long last = d.valueOf(itemCount(field) - 1);
        return {std::min(first, last), std::max(first, last)};
    }
    if (d.ranged)
        return {d.low, d.high};
    return kindBounds(field);
}

bool inDomain(const FieldInfo& field, long long value)
{
    const NumberBounds kind = kindBounds(field);
    if (value < kind.low || value > kind.high)
        return false;
    if (field.domain.hasItems())
        return field.domain.indexOf(value) >= 0;
    const NumberBounds bounds = domainBounds(field);
    return value >= bounds.low && value <= bounds.high;
}

QString allowedValues(const FieldInfo& field)
{
    const NumberBounds bounds = domainBounds(field);
    QString text = QStringLiteral("%1..%2").arg(bounds.low).arg(bounds.high);
    if (!field.domain.hasItems())
        return text;
    // The items with their values, the first few where the list is long.
    constexpr int kNamed = 8;
    const QStringList items = itemTexts(*field.domain.items, true);
    QStringList named;
    for (int i = 0; i < items.size() && i < kNamed; ++i)
        named << QStringLiteral("%1 «%2»").arg(field.domain.valueOf(i)).arg(items[i]);
    if (items.size() > kNamed)
        named << QStringLiteral("…");
    return text + QStringLiteral(" (") + named.join(QStringLiteral(", ")) + u')';
}

QString unitText(const FieldInfo& field, bool translate)
{
    return field.domain.unit.empty() ? QString() : shown(field.domain.unit, translate);
}

} // namespace vrm
