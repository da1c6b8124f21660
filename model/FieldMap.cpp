#include "model/FieldMap.h"

#include "model/ReadableNames.h"

namespace vrm {

namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// An array of seven actions, one per output number: its elements are named by output.
bool elementsAreOutputs(const FieldInfo& field)
{
    return field.domain.items == &lists::actions && field.count == layout::output::kNames.size();
}

class Builder {
public:
    explicit Builder(FieldMap& map) : map_(map), owned_(map.block.size, 0) {}

    void addRecord(const RecordInfo& record, std::size_t base, int page, const QString& title, const QString& path)
    {
        for (const FieldInfo& field : record.fields) {
            if (field.kind == FieldKind::Records) {
                for (std::size_t i = 0; i < field.count; ++i) {
                    QString sub = utf8(field.caption);
                    if (field.count > 1) {
                        const QString numbered = utf8(field.sub->title);
                        sub = numbered.contains(QStringLiteral("%1")) ? numbered.arg(i + 1)
                                                                       : sub + u' ' + QString::number(i + 1);
                    }
                    addRecord(*field.sub, base + field.offset + field.sub->size * i, page, title,
                              path.isEmpty() ? sub : path + QStringLiteral(" · ") + sub);
                }
                continue;
            }
            for (std::size_t element = 0; element < field.count; ++element) {
                FieldEntry entry{page, {}, base, &field, element, &record};
                if (elementsAreOutputs(field)) {
                    FieldInfo whole = field; // named once, then by output
                    whole.count = 1;
                    entry.name = fieldName(title, whole, 0, path) + QStringLiteral(" · ")
                                 + utf8(layout::output::kNames[element]);
                } else
                    entry.name = fieldName(title, field, element, path);
                claim(entry);
                map_.fields.push_back(std::move(entry));
            }
        }
    }

    void collectOthers(const std::vector<int>& pageOfByte)
    {
        for (std::size_t i = 0; i < owned_.size(); ++i) {
            const uint8_t free = uint8_t(~owned_[i]);
            if (free == 0)
                continue;
            const std::size_t at = map_.block.offset + i;
            if (map_.others.empty() || map_.others.back().offset + map_.others.back().size() != at
                || map_.others.back().page != pageOfByte[i])
                map_.others.push_back({pageOfByte[i], at, {}});
            map_.others.back().masks.push_back(free);
        }
    }

private:
    void claim(const FieldEntry& entry)
    {
        const std::size_t first = entry.offset() - map_.block.offset;
        for (std::size_t i = 0; i < entry.size(); ++i)
            owned_.at(first + i) |= entry.bitMask();
    }

    FieldMap& map_;
    std::vector<uint8_t> owned_;
};

FieldMap buildMap(Block block)
{
    FieldMap map{block, {}, {}};
    Builder builder(map);
    std::vector<int> pageOfByte(block.size, -1);
    for (const layout::Placement& placement : layout::placements()) {
        for (std::size_t index = 0; index < placement.count; ++index) {
            const std::size_t base = placement.base + placement.record->size * index;
            if (base < block.offset || base + placement.record->size > block.end())
                continue;
            const int page = placement.pageOf(index);
            for (std::size_t i = 0; i < placement.record->size; ++i)
                pageOfByte[base - block.offset + i] = page;
            builder.addRecord(*placement.record, base, page, recordTitle(placement, index), {});
        }
    }
    builder.collectOthers(pageOfByte);
    return map;
}

} // namespace

uint8_t FieldEntry::bitMask() const
{
    if (field->kind != FieldKind::Bits)
        return 0xFF;
    return uint8_t(((1u << field->bitCount) - 1) << field->elementFirstBit(element));
}

QString OtherBytes::name() const
{
    // The text export names these bytes by this Russian name; displays translate it.
    return QString::fromUtf8(QT_TRANSLATE_NOOP("Ui", "Прочие байты по смещению %1")).arg(offset);
}

const FieldMap& mainBlockMap()
{
    static const FieldMap map = buildMap(blocks::main);
    return map;
}

} // namespace vrm
