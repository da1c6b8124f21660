#include "report/ReportContent.h"

#include <algorithm>
#include <climits>
#include <map>
#include <tuple>

#include "model/FieldMap.h"
#include "model/FieldText.h"
#include "model/ShownName.h"
#include "model/UiText.h"

namespace vrm {

namespace {

const QString kPartSeparator = QStringLiteral(" · ");
// A wider table is split into several with the same row titles, so that it fits a portrait page.
constexpr qsizetype kMaxValueColumns = 9;

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const layout::Placement* placementOf(std::size_t offset)
{
    for (const layout::Placement& placement : layout::placements())
        if (offset >= placement.base && offset < placement.end())
            return &placement;
    return nullptr;
}

// A record array that one page edits whole (scenarios, keys): one table for all of it.
bool editedAsOneTable(const layout::Placement& placement, int page)
{
    return page >= 0 && placement.count > 1 && placement.pages == 1;
}

// "Сценарий 1–14": the records' title over the range of their numbers.
QString rangeTitle(const layout::Placement& placement)
{
    const QString title = translatedText(utf8(placement.record->title));
    const QString range = QStringLiteral("1–%1").arg(placement.count);
    return title.contains(QStringLiteral("%1")) ? title.arg(range) : title + u' ' + range;
}

// The array of sub-records of `record` (at `recordBase`) that holds `offset`, when it has several.
const FieldInfo* subRecordArrayAt(const RecordInfo& record, std::size_t recordBase, std::size_t offset)
{
    for (const FieldInfo& field : record.fields) {
        if (field.kind != FieldKind::Records || field.count < 2)
            continue;
        const std::size_t first = recordBase + field.offset;
        if (offset >= first && offset < first + std::size_t(field.width) * field.count)
            return &field;
    }
    return nullptr;
}

QString joined(const QStringList& parts, qsizetype from)
{
    return parts.mid(from).join(kPartSeparator);
}

struct TableDraft {
    QString key; // empty for a list of fields
    QString caption;
    QStringList columns;
    QStringList rowTitles;
    std::map<std::pair<QString, QString>, QString> cells; // (row title, column) -> value
    QList<QStringList> listRows;
};

struct SectionDraft {
    int page = -1;
    std::size_t placementBase = 0;
    QString heading;
    std::vector<TableDraft> tables;

    TableDraft& listTable()
    {
        if (tables.empty() || !tables.back().key.isEmpty())
            tables.push_back({});
        return tables.back();
    }

    TableDraft& keyedTable(const QString& key, const QString& caption)
    {
        for (TableDraft& table : tables)
            if (table.key == key)
                return table;
        tables.push_back({key, caption, {}, {}, {}, {}});
        return tables.back();
    }
};

void addCell(TableDraft& table, const QString& row, const QString& column, const QString& value)
{
    if (!table.rowTitles.contains(row))
        table.rowTitles << row;
    if (!table.columns.contains(column))
        table.columns << column;
    table.cells[{row, column}] = value;
}

// The draft's columns split into tables of at most kMaxValueColumns, each with the row titles first.
QList<ReportTable> finished(const TableDraft& draft)
{
    if (draft.key.isEmpty())
        return {ReportTable{{}, {Ui::tr("Параметр"), Ui::tr("Значение")}, draft.listRows, true}};
    QList<ReportTable> tables;
    const qsizetype parts = (draft.columns.size() + kMaxValueColumns - 1) / kMaxValueColumns;
    const qsizetype perPart = (draft.columns.size() + parts - 1) / parts;
    for (qsizetype first = 0; first < draft.columns.size(); first += perPart) {
        const QStringList columns = draft.columns.mid(first, perPart);
        ReportTable table{draft.caption, QStringList{QString()} + columns, {}, false};
        for (const QString& row : draft.rowTitles) {
            QStringList cells{row};
            for (const QString& column : columns) {
                const auto cell = draft.cells.find({row, column});
                cells << (cell == draft.cells.end() ? QString() : cell->second);
            }
            table.rows << cells;
        }
        tables << table;
    }
    return tables;
}

} // namespace

ReportContent buildReportContent(const ConfigImage& image, const ConfigImage& factory, bool changedOnly)
{
    std::vector<SectionDraft> drafts;
    std::map<std::tuple<int, std::size_t, std::size_t>, std::size_t> sectionOf;
    for (const FieldEntry& entry : mainBlockMap().fields) {
        if (entry.field->domain.secret)
            continue; // never in a report, not even whether it is set
        // What no page edits is no setting of the site: shown only where it is not as it came from the factory.
        if ((changedOnly || entry.page < 0) && sameValue(image, factory, entry))
            continue;
        const layout::Placement* placement = placementOf(entry.offset());
        if (!placement)
            continue;
        const std::size_t index = (entry.offset() - placement->base) / placement->record->size;
        const std::size_t recordBase = placement->base + index * placement->record->size;
        const bool oneTable = editedAsOneTable(*placement, entry.page);
        const auto key = std::make_tuple(entry.page, placement->base, oneTable ? placement->count : index);
        const QStringList parts = translatedFieldName(entry.name).split(kPartSeparator);
        auto found = sectionOf.find(key);
        if (found == sectionOf.end()) {
            found = sectionOf.emplace(key, drafts.size()).first;
            drafts.push_back({entry.page, placement->base, oneTable ? rangeTitle(*placement) : parts.value(0), {}});
        }
        SectionDraft& section = drafts[found->second];
        const QString value = readableValue(image, entry);
        if (oneTable) {
            addCell(section.keyedTable(QStringLiteral("records"), {}), parts.value(0), joined(parts, 1), value);
        } else if (const FieldInfo* sub = subRecordArrayAt(*placement->record, recordBase, entry.offset());
                   sub && parts.size() > 2) {
            addCell(section.keyedTable(utf8(sub->id), translatedText(utf8(sub->caption))), parts[1], joined(parts, 2),
                    value);
        } else {
            section.listTable().listRows << QStringList{joined(parts, 1), value};
        }
    }

    // Tree order; fields no page edits come last.
    std::stable_sort(drafts.begin(), drafts.end(), [](const SectionDraft& a, const SectionDraft& b) {
        return (a.page < 0 ? INT_MAX : a.page) < (b.page < 0 ? INT_MAX : b.page);
    });
    // A group of pages is the run of pages whose first section is a record of one array
    // (connections 1-8, inputs 1-8); each group starts a new sheet of paper.
    std::map<int, std::size_t> firstRecordOfPage;
    for (const SectionDraft& draft : drafts)
        firstRecordOfPage.emplace(draft.page, draft.placementBase);
    ReportContent content{changedOnly, {}};
    for (std::size_t i = 0; i < drafts.size(); ++i) {
        const bool newGroup = i > 0 && drafts[i].page != drafts[i - 1].page
                              && firstRecordOfPage[drafts[i].page] != firstRecordOfPage[drafts[i - 1].page];
        ReportSection section{drafts[i].page, drafts[i].heading, !changedOnly && newGroup, {}};
        for (const TableDraft& table : drafts[i].tables)
            section.tables << finished(table);
        content.sections << section;
    }
    return content;
}

} // namespace vrm
