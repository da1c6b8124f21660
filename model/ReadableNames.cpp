#include "model/ReadableNames.h"

namespace vrm {

namespace {
QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

QString recordTitle(const layout::Placement& placement, std::size_t index)
{
    if (index < placement.titles.size())
        return utf8(placement.titles[index]);
    QString title = utf8(placement.record->title);
    return title.contains(QStringLiteral("%1")) ? title.arg(index + 1) : title;
}

QString fieldName(const QString& recordTitle, const FieldInfo& field, std::size_t element, const QString& path)
{
    QString name = recordTitle + QStringLiteral(" · ");
    if (!path.isEmpty())
        name += path + QStringLiteral(" · ");
    name += utf8(field.caption);
    if (field.count > 1 && field.kind != FieldKind::Records)
        name += u' ' + QString::number(element + 1);
    return name;
}

} // namespace vrm
