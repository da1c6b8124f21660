#include "model/FieldItems.h"

#include <QHash>
#include <mutex>

namespace vrm {

namespace {

struct Items {
    QStringList texts;
    int offset = 0;
};

using Key = QPair<const RecordInfo*, QByteArray>;

struct Registry {
    std::mutex mutex;
    QHash<Key, Items> items;
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

Key keyOf(const RecordInfo& record, std::string_view fieldId)
{
    return {&record, QByteArray(fieldId.data(), qsizetype(fieldId.size()))};
}

} // namespace

void registerFieldItems(const RecordInfo& record, std::string_view fieldId, const QStringList& items, int offset)
{
    if (items.isEmpty())
        return;
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    r.items.insert(keyOf(record, fieldId), {items, offset});
}

std::optional<QString> fieldItemText(const RecordInfo& record, std::string_view fieldId, uint32_t value)
{
    Registry& r = registry();
    const std::lock_guard lock(r.mutex);
    const auto found = r.items.constFind(keyOf(record, fieldId));
    if (found == r.items.constEnd())
        return std::nullopt;
    const long long index = (long long)value - found->offset;
    if (index < 0 || index >= found->texts.size() || found->texts[int(index)].isEmpty())
        return std::nullopt;
    return found->texts[int(index)];
}

} // namespace vrm
