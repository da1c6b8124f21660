#pragma once
// Reads a report back the way a reader sees it: its HTML laid out by Qt's
// text document, split into sections at the second-level headings, each
// table's heading row and cells as text. Also the images the reports are
// made of: one with every field away from its factory value.

#include <QRegularExpression>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "model/FieldMap.h"
#include "model/FieldText.h"
#include "model/ShownName.h"

namespace vrm::test {

struct ReadTable {
    QStringList columns;
    QList<QStringList> rows;
    int headerRowCount = 0;
};

struct ReadSection {
    QString heading;
    bool breaksPageBefore = false;
    QList<ReadTable> tables;
};

struct ReadReport {
    QString title;
    QList<ReadTable> headerTables; // before the first section
    QList<ReadSection> sections;
    QStringList cellsInOrder;      // every heading and cell text, as laid out
    QList<QStringList> rowsInOrder; // the same by table row, a heading a row of its own
};

inline QString cellText(QTextTable& table, int row, int column)
{
    const QTextTableCell cell = table.cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    // A line kept whole has non-breaking spaces: they read as spaces.
    return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n').replace(QChar::Nbsp, u' ');
}

inline ReadReport readReport(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    ReadReport report;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            ReadTable read;
            read.headerRowCount = table->format().headerRowCount();
            for (int c = 0; c < table->columns(); ++c)
                read.columns << cellText(*table, 0, c);
            for (int r = 1; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns(); ++c)
                    cells << cellText(*table, r, c);
                read.rows << cells;
            }
            for (const QStringList& row : QList<QStringList>{read.columns} + read.rows) {
                report.cellsInOrder << row;
                report.rowsInOrder << row;
            }
            (report.sections.isEmpty() ? report.headerTables : report.sections.back().tables) << read;
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const int level = block.blockFormat().headingLevel();
        if (level == 1)
            report.title = block.text();
        if (level == 2)
            report.sections << ReadSection{block.text(),
                                           block.blockFormat().pageBreakPolicy().testFlag(QTextFormat::PageBreak_AlwaysBefore),
                                           {}};
        if (level > 0) {
            report.cellsInOrder << block.text();
            report.rowsInOrder << QStringList{block.text()};
        }
    }
    return report;
}

inline const QString kPartSeparator = QStringLiteral(" · ");

// True when the report shows `value` for the field named by `parts` (its
// readable name, split): in a list of its record's section, or in a table
// whose row is its record or sub-record and whose column is the rest of the name.
inline bool showsField(const ReadReport& report, const QStringList& parts, const QString& value)
{
    for (const ReadSection& section : report.sections) {
        const bool ownSection = section.heading == parts[0];
        for (const ReadTable& table : section.tables) {
            for (const QStringList& row : table.rows) {
                if (ownSection && row == QStringList{parts.mid(1).join(kPartSeparator), value})
                    return true;
                for (qsizetype title = 0; title < 2 && title + 1 < parts.size(); ++title) {
                    if ((title == 1 && !ownSection) || row.value(0) != parts[title])
                        continue;
                    const qsizetype column = table.columns.indexOf(parts.mid(title + 1).join(kPartSeparator));
                    if (column > 0 && row.value(column) == value)
                        return true;
                }
            }
        }
    }
    return false;
}

inline QStringList shownNameParts(const FieldEntry& entry)
{
    return translatedFieldName(entry.name).split(kPartSeparator);
}

// Every field of the main block one step away from its factory value: numbers
// and bit fields one up (wrapping), texts a name of their own, raw bytes inverted.
inline ConfigImage imageWithEveryFieldChanged()
{
    ConfigImage image = buildFactoryImage();
    int n = 0;
    for (const FieldEntry& entry : mainBlockMap().fields) {
        ++n;
        const FieldInfo& field = *entry.field;
        switch (field.kind) {
        case FieldKind::Bits:
        case FieldKind::U8:
        case FieldKind::U16:
        case FieldKind::U32:
        case FieldKind::IPv4: {
            const uint64_t limit = field.kind == FieldKind::Bits ? (uint64_t(1) << field.bitCount)
                                                                 : (uint64_t(1) << (8 * field.width));
            const uint64_t value = image.numberAt(entry.base, field, entry.element);
            image.setNumberAt(entry.base, field, uint32_t((value + 1) % limit), entry.element);
            break;
        }
        case FieldKind::I8:
            image.setByte(entry.offset(), uint8_t(image.byte(entry.offset()) + 1));
            break;
        case FieldKind::Float:
            image.setRealAt(entry.base, field, 12.5f + float(n));
            break;
        case FieldKind::Text: {
            QByteArray text = toCp1251(QStringLiteral("Поле %1").arg(n)).left(field.width - 1);
            text.append(QByteArray(field.width - text.size(), '\0'));
            std::copy(text.cbegin(), text.cend(), image.data() + entry.offset());
            break;
        }
        case FieldKind::Raw:
        case FieldKind::Records:
            for (std::size_t i = entry.offset(); i < entry.offset() + entry.size(); ++i)
                image.setByte(i, uint8_t(image.byte(i) ^ 0xA5));
            break;
        }
    }
    return image;
}

constexpr std::size_t kPasswordOffset = layout::commonBlock[0].base + layout::common::systemPassword.info.offset;

inline void setPassword(ConfigImage& image, const QByteArray& password)
{
    QByteArray field = password;
    field.append(QByteArray(layout::common::systemPassword.info.width - field.size(), '\0'));
    std::copy(field.cbegin(), field.cend(), image.data() + kPasswordOffset);
}

} // namespace vrm::test
