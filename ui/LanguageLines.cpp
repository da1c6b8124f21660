#include "ui/LanguageLines.h"

#include <QVector>

#include "link/Transaction.h"
#include "model/UiText.h"
#include "session/LiveStatus.h"
#include "ui/LanguageFile.h"
#include "ui/LanguagePageTexts.h"
#include "ui/PageTreeText.h"

namespace vrm {

namespace {

const char kCaptionStem[] = QT_TRANSLATE_NOOP("Ui", "Конфигуратор GSM контроллера");
const char kRootStem[] = QT_TRANSLATE_NOOP("Ui", "GSM контроллер");
const char kProfileStem[] = QT_TRANSLATE_NOOP("Ui", "Профиль");
const QString kProductSuffix = QStringLiteral(" VRM530");
const QString kRootSuffix = QStringLiteral(" VRM530-QT.01.02");

// Lines 4-19.
const char* const kMenuTexts[] = {
    QT_TRANSLATE_NOOP("Ui", "Файл"),
    QT_TRANSLATE_NOOP("Ui", "Открыть файл конфигурации..."),
    QT_TRANSLATE_NOOP("Ui", "Сохранить текущую конфигурацию в файл..."),
    QT_TRANSLATE_NOOP("Ui", "Установить стандартную конфигурацию"),
    QT_TRANSLATE_NOOP("Ui", "Закрыть"),
    QT_TRANSLATE_NOOP("Ui", "Настройка"),
    QT_TRANSLATE_NOOP("Ui", "COM порт..."),
    QT_TRANSLATE_NOOP("Ui", "Контроллер"),
    QT_TRANSLATE_NOOP("Ui", "Программировать"),
    QT_TRANSLATE_NOOP("Ui", "Считать конфигурацию"),
    QT_TRANSLATE_NOOP("Ui", "Сравнить конфигурацию"),
    QT_TRANSLATE_NOOP("Ui", "Считать IMEI контроллера в буфер обмена"),
    QT_TRANSLATE_NOOP("Ui", "Реконфигурировать"),
    QT_TRANSLATE_NOOP("Ui", "Перезапустить (Системный сброс)"),
    QT_TRANSLATE_NOOP("Ui", "Восстановить заводскую конфигурацию"),
    QT_TRANSLATE_NOOP("Ui", "О программе..."),
};

constexpr int kCaptionLine = 2;
constexpr int kFirstMenuLine = 4;
constexpr int kRootLine = 21;
constexpr int kProfilesLine = 55;
constexpr int kProfileCount = 8;
constexpr int kFirstPageTextLine = 65;
constexpr int kIdentityGroupLine = 65;
constexpr int kFirstGsmStateLine = 382;
constexpr int kFirstMessageLine = 394;

// The tree section: line -> node. Entry e of the section is line 21 + e; the
// entries that have no node of their own in the original order (30-35) name
// the nodes that would lie past the section's end, so every node has a line.
constexpr struct {
    int line;
    int node;
} kTreeLines[] = {
    {22, 1},  {23, 2},  {24, 3},  {25, 4},  {26, 5},  {27, 6},  {28, 7},  {29, 8},  {30, 9},  {31, 10},
    {32, 11}, {33, 12}, {34, 13}, {35, 14}, {36, 15}, {38, 16}, {39, 17}, {40, 18}, {41, 19}, {42, 20},
    {43, 21}, {44, 22}, {45, 23}, {46, 24}, {47, 25}, {48, 26}, {49, 27}, {50, 28}, {51, 35}, {52, 36},
    {53, 37}, {54, 38}, {56, 47}, {59, 29}, {60, 30}, {61, 31}, {62, 32}, {63, 33}, {64, 34},
};

// The tree's node texts, node 0 first, untranslated.
QStringList russianNodeTexts()
{
    QStringList nodes = embeddedPageTreeText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (QString& node : nodes)
        node = node.trimmed();
    return nodes;
}

// Line number -> the text the line replaces as a whole.
QVector<LanguageText> wholeLineTexts()
{
    QVector<LanguageText> texts(kLanguageFileLineCount + 1);
    for (int i = 0; i < int(std::size(kMenuTexts)); ++i)
        texts[kFirstMenuLine + i] = QString::fromUtf8(kMenuTexts[i]);
    const QStringList nodes = russianNodeTexts();
    for (const auto& tree : kTreeLines)
        texts[tree.line] = nodes.value(tree.node);
    const QList<LanguageText> pageTexts = languagePageTexts();
    for (int i = 0; i < pageTexts.size() && kFirstPageTextLine + i < kFirstGsmStateLine; ++i)
        texts[kFirstPageTextLine + i] = pageTexts[i];
    const QStringList states = gsmStateSources();
    for (int i = 0; i < states.size(); ++i)
        texts[kFirstGsmStateLine + i] = states[i];
    const QStringList messages = transactionMessageSources();
    for (int i = 0; i < messages.size() && kFirstMessageLine + i <= kLanguageFileLineCount; ++i)
        texts[kFirstMessageLine + i] = messages[i];
    return texts;
}

QString profileNode(const QString& stem, int number)
{
    return stem + QLatin1Char(' ') + QString::number(number);
}

// The identity group's caption is its line with a blank on each side.
QString framed(const QString& line)
{
    return QLatin1Char(' ') + line + QLatin1Char(' ');
}

QString unframed(QString caption)
{
    if (caption.startsWith(QLatin1Char(' ')))
        caption.remove(0, 1);
    if (caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    return caption;
}

std::pair<QString, QString> keyOf(const LanguageText& text)
{
    return {text.source, text.disambiguation};
}

} // namespace

QList<LanguageText> languageLineTexts()
{
    QVector<LanguageText> texts = wholeLineTexts();
    texts[kCaptionLine] = QString::fromUtf8(kCaptionStem);
    texts[kRootLine] = QString::fromUtf8(kRootStem);
    texts[kProfilesLine] = QString::fromUtf8(kProfileStem);
    return QList<LanguageText>(texts.begin() + 1, texts.end());
}

LanguageReplacements languageReplacements(const QStringList& lines)
{
    LanguageReplacements replacements;
    if (lines.size() != kLanguageFileLineCount)
        return replacements;
    auto line = [&lines](int number) { return lines.at(number - 1); };
    const QVector<LanguageText> texts = wholeLineTexts();
    for (int number = 2; number <= kLanguageFileLineCount; ++number) {
        if (!texts[number].isEmpty())
            replacements.insert(keyOf(texts[number]), line(number));
    }
    replacements.insert(keyOf(texts[kIdentityGroupLine]), framed(line(kIdentityGroupLine)));
    replacements.insert({QString::fromUtf8(kCaptionStem) + kProductSuffix, {}}, line(kCaptionLine) + kProductSuffix);
    replacements.insert({QString::fromUtf8(kRootStem) + kProductSuffix, {}}, line(kRootLine) + kRootSuffix);
    const QString profile = QString::fromUtf8(kProfileStem);
    for (int n = 1; n <= kProfileCount; ++n)
        replacements.insert({profileNode(profile, n), {}}, profileNode(line(kProfilesLine), n));
    return replacements;
}

QStringList languageTemplate()
{
    const QList<LanguageText> texts = languageLineTexts();
    QStringList lines;
    lines.reserve(kLanguageFileLineCount);
    for (const LanguageText& text : texts) {
        const QByteArray disambiguation = text.disambiguation.toUtf8();
        lines << (text.isEmpty() ? QString()
                                 : Ui::tr(text.source.toUtf8().constData(),
                                          disambiguation.isEmpty() ? nullptr : disambiguation.constData()));
    }
    lines[0] = QString::fromLatin1(kLanguageFileHeader);
    lines[kIdentityGroupLine - 1] = unframed(lines[kIdentityGroupLine - 1]);
    return lines;
}

} // namespace vrm
