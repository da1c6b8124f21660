#include "model/TextForm.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include "model/FactoryImage.h"
#include "model/FieldMap.h"
#include "model/FieldText.h"
#include "model/UiText.h"

namespace vrm {

namespace {

// The comments are in the interface language; names and values are not.
const char* const kHeading = QT_TRANSLATE_NOOP("Ui", "# VRM530: конфигурация в текстовом виде, формат 1");
const char* const kLegend = QT_TRANSLATE_NOOP("Ui", "# [страница] название = значение; поле, которого нет в тексте, "
                                                    "получает заводское значение");

QString pageText(int page)
{
    return page < 0 ? QStringLiteral("-") : QString::number(page);
}

QString line(int page, const QString& name, const QString& value)
{
    return QLatin1Char('[') + pageText(page) + QStringLiteral("] ") + name + QStringLiteral(" = ") + value;
}

// Where each name of the map is: an index into the fields, or into the others after them.
const QHash<QString, int>& indexByName()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> names;
        const FieldMap& map = mainBlockMap();
        for (std::size_t i = 0; i < map.fields.size(); ++i)
            names.insert(map.fields[i].name, int(i));
        for (std::size_t i = 0; i < map.others.size(); ++i)
            names.insert(map.others[i].name(), int(map.fields.size() + i));
        return names;
    }();
    return index;
}

} // namespace

QString TextImportError::message() const
{
    return Ui::tr("строка %1: %2").arg(line).arg(reason);
}

QByteArray exportText(const ConfigImage& image)
{
    const FieldMap& map = mainBlockMap();
    QStringList lines{Ui::tr(kHeading), Ui::tr(kLegend)};
    for (const FieldEntry& entry : map.fields) {
        QString value = exactValue(image, entry);
        if (const QString comment = exportComment(image, entry); !comment.isEmpty())
            value += QStringLiteral(" # ") + comment;
        lines << line(entry.page, entry.name, value);
    }
    for (const OtherBytes& other : map.others)
        lines << line(other.page, other.name(), exactValue(image, other));
    return (lines.join(u'\n') + u'\n').toUtf8();
}

bool importText(const QByteArray& text, ConfigImage& image, TextImportError& error)
{
    static const QRegularExpression fieldLine(QStringLiteral("^\\[(-|[0-9]+)\\] (.+?) = (.*)$"));
    const FieldMap& map = mainBlockMap();
    ConfigImage scratch = image;
    restoreFactoryMainBlock(scratch);
    QHash<int, int> lineOfField;
    const QList<QByteArray> rawLines = text.split('\n');
    for (qsizetype n = 0; n < rawLines.size(); ++n) {
        error.line = int(n + 1);
        QByteArray raw = rawLines[n];
        if (n == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString content = decoder.decode(raw);
        if (decoder.hasError()) {
            error.reason = Ui::tr("текст не в кодировке UTF-8");
            return false;
        }
        const QString trimmed = content.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        const QRegularExpressionMatch match = fieldLine.match(content);
        if (!match.hasMatch()) {
            error.reason = Ui::tr("строка не вида «[страница] название = значение»");
            return false;
        }
        const auto found = indexByName().constFind(match.captured(2));
        if (found == indexByName().constEnd()) {
            error.reason = Ui::tr("неизвестное поле «%1»").arg(match.captured(2));
            return false;
        }
        const int index = *found;
        const bool isField = std::size_t(index) < map.fields.size();
        const int page = isField ? map.fields[std::size_t(index)].page
                                 : map.others[std::size_t(index) - map.fields.size()].page;
        if (match.captured(1) != pageText(page)) {
            error.reason = Ui::tr("поле «%1» находится на странице %2, а не %3")
                               .arg(match.captured(2), pageText(page), match.captured(1));
            return false;
        }
        if (lineOfField.contains(index)) {
            error.reason = Ui::tr("поле уже задано в строке %1").arg(lineOfField.value(index));
            return false;
        }
        lineOfField.insert(index, error.line);
        const bool parsed =
            isField ? parseExactValue(match.captured(3), map.fields[std::size_t(index)], scratch, error.reason)
                    : parseExactValue(match.captured(3), map.others[std::size_t(index) - map.fields.size()],
                                      scratch, error.reason);
        if (!parsed) {
            error.reason = Ui::tr("поле «%1»: %2").arg(match.captured(2), error.reason);
            return false;
        }
    }
    const auto main = scratch.span(blocks::main);
    std::copy(main.begin(), main.end(), image.span(blocks::main).begin());
    error = {};
    return true;
}

} // namespace vrm
