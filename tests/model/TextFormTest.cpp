#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "model/FieldDomain.h"
#include "model/FieldMap.h"
#include "model/TextForm.h"

using namespace vrm;

namespace {

// Numbers outside their field's domain moved inside it (the import refuses them).
void keepInsideDomains(ConfigImage& image)
{
    for (const FieldEntry& entry : mainBlockMap().fields) {
        const FieldInfo& field = *entry.field;
        if (!field.domain.hasItems() && !field.domain.ranged)
            continue;
        const long long value = field.kind == FieldKind::I8 ? (long long)int8_t(image.byte(entry.offset()))
                                                            : (long long)image.numberAt(entry.base, field, entry.element);
        if (inDomain(field, value))
            continue;
        const NumberBounds bounds = domainBounds(field);
        const long long inside = bounds.low + (value - kindBounds(field).low) % (bounds.high - bounds.low + 1);
        if (field.kind == FieldKind::I8)
            image.setByte(entry.offset(), uint8_t(int8_t(inside)));
        else
            image.setNumberAt(entry.base, field, uint32_t(inside), entry.element);
    }
}

// Every byte of the main block drawn at random: texts without terminator or
// with bytes behind it, floats that are no number, bits no field owns; the
// numbers then kept inside their fields' domains.
ConfigImage scrambledImage(quint32 seed)
{
    ConfigImage image = buildFactoryImage();
    QRandomGenerator random(seed);
    for (uint8_t& b : image.span(blocks::main))
        b = uint8_t(random.bounded(256));
    keepInsideDomains(image);
    return image;
}

QByteArray roundTrip(const ConfigImage& source, ConfigImage& target)
{
    const QByteArray text = exportText(source);
    TextImportError error;
    EXPECT_TRUE(importText(text, target, error)) << error.message().toStdString();
    return text;
}

} // namespace

TEST(TextForm, ImportOfAnExportGivesTheSameBytes)
{
    ConfigImage changedEverywhere = buildFactoryImage();
    for (const FieldEntry& entry : mainBlockMap().fields) {
        const std::size_t at = entry.offset();
        const uint8_t mask = entry.bitMask();
        changedEverywhere.setByte(at, uint8_t(changedEverywhere.byte(at) ^ (mask & -mask)));
    }
    keepInsideDomains(changedEverywhere);
    std::vector<ConfigImage> sources{buildFactoryImage(), changedEverywhere};
    for (quint32 seed = 1; seed <= 8; ++seed)
        sources.push_back(scrambledImage(seed));
    for (const ConfigImage& source : sources) {
        ConfigImage target; // all zero outside what the import writes
        const QByteArray text = roundTrip(source, target);
        ASSERT_TRUE(std::ranges::equal(source.span(blocks::main), target.span(blocks::main)))
            << text.left(2000).toStdString();
        // Nothing outside the main block is touched.
        EXPECT_TRUE(std::ranges::all_of(target.span(blocks::modes), [](uint8_t b) { return b == 0; }));
        EXPECT_EQ(exportText(target), text); // stable: the same bytes export to the same text
    }
}

TEST(TextForm, TheTextIsOneLinePerFieldInMapOrder)
{
    ConfigImage image = buildFactoryImage();
    image.set(layout::inputs[0], layout::input::activationActions, 1, 0);
    image.setTextPadded(layout::inputs[0], layout::input::name, toCp1251(QStringLiteral("Дверь")));
    const QString text = QString::fromUtf8(exportText(image));
    EXPECT_TRUE(text.contains(QStringLiteral("\n[21] Вход 1 · Название входа = \"Дверь\"\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n[21] Вход 1 · При переходе в активное состояние · Реле 1 = 1 # включить\n")));
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    const FieldMap& map = mainBlockMap();
    qsizetype fieldLines = 0;
    for (const QString& line : lines)
        fieldLines += line.startsWith(u'[');
    EXPECT_EQ(std::size_t(fieldLines), map.fields.size() + map.others.size());
}

TEST(TextForm, FieldsLeftOutKeepTheirFactoryValue)
{
    ConfigImage image = scrambledImage(3);
    TextImportError error;
    ASSERT_TRUE(importText("[21] Вход 1 · Название входа = \"Склад\"\n", image, error));
    ConfigImage expected = buildFactoryImage();
    expected.setTextPadded(layout::inputs[0], layout::input::name, QByteArray("\xD1\xEA\xEB\xE0\xE4"));
    EXPECT_TRUE(std::ranges::equal(image.span(blocks::main), expected.span(blocks::main)));
}

// Each refusal names its line and leaves the image as it was.
TEST(TextForm, RefusalsNameTheLineAndChangeNothing)
{
    const QByteArray good = exportText(buildFactoryImage());
    const FieldMap& map = mainBlockMap();
    const QString other = map.others.front().name();
    struct Case {
        QString line;
        QString reasonPart;
    };
    const Case cases[] = {
        {QStringLiteral("[21] Вход 1 · Цвет = 3"), QStringLiteral("неизвестное поле")},
        {QStringLiteral("[21] Вход 1 · Тип входа = 8"), QStringLiteral("вне диапазона 0..4 (0 «Запрещен»")},
        {QStringLiteral("[21] Вход 1 · Тип входа = 5"), QStringLiteral("поле «Вход 1 · Тип входа»")},
        {QStringLiteral("[21] Вход 1 · Тип входа = -1"), QStringLiteral("вне диапазона")},
        {QStringLiteral("[21] Вход 1 · Тип входа = два"), QStringLiteral("не число")},
        {QStringLiteral("[15] Температура и вскрытие корпуса · Нижняя граница оповещения = 128"),
         QStringLiteral("вне диапазона -40..90")},
        {QStringLiteral("Вход 1 · Тип входа = 1"), QStringLiteral("не вида")},
        {QStringLiteral("[21] Вход 1 · Тип входа 1"), QStringLiteral("не вида")},
        {QStringLiteral("[22] Вход 1 · Тип входа = 1"), QStringLiteral("на странице 21")},
        {QStringLiteral("[21] Вход 1 · Название входа = Дверь"), QStringLiteral("в кавычках")},
        {QStringLiteral("[21] Вход 1 · Название входа = \"Дверь"), QStringLiteral("нет закрывающей кавычки")},
        {QStringLiteral("[21] Вход 1 · Название входа = \"очень длинное название\""), QStringLiteral("длиннее поля")},
        {QStringLiteral("[21] Вход 1 · Название входа = \"Ω\""), QStringLiteral("кодовую страницу 1251")},
        {QStringLiteral("[21] Вход 1 · Название входа = \"a\\x00b\""), QStringLiteral("NUL")},
        {QStringLiteral("[21] Вход 1 · Название входа = \"a\" + 01 02"), QStringLiteral("начиная с 00")},
        {QStringLiteral("[10] Общие параметры GPRS · Первичный DNS = 10.0.0"), QStringLiteral("192.168.1.10")},
        {QStringLiteral("[21] Вход 1 · Минимальное значение = много"), QStringLiteral("не число")},
        {QStringLiteral("[16] Ключ 1 · Код ключа TOUCH = 01 02"), QStringLiteral("ожидается 8 байт")},
        {QStringLiteral("[16] Ключ 1 · Код ключа TOUCH = 01 02 03 04 05 06 07 XY"), QStringLiteral("шестнадцатеричном")},
        {QStringLiteral("[%1] %2 = FF").arg(map.others.front().page < 0 ? QStringLiteral("-")
                                                                         : QString::number(map.others.front().page),
                                             other),
         QStringLiteral("принадлежат полям")},
    };
    for (const Case& c : cases) {
        // The bad line replaces the third line of a good export.
        QList<QByteArray> lines = good.split('\n');
        lines[2] = c.line.toUtf8();
        ConfigImage image = scrambledImage(5);
        const ConfigImage before = image;
        TextImportError error;
        ASSERT_FALSE(importText(lines.join('\n'), image, error)) << c.line.toStdString();
        EXPECT_EQ(error.line, 3) << c.line.toStdString();
        EXPECT_TRUE(error.reason.contains(c.reasonPart)) << c.line.toStdString() << " -> " << error.reason.toStdString();
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("строка 3: ")));
        EXPECT_TRUE(image == before) << c.line.toStdString();
    }

    // A field given twice names both lines; text that is not UTF-8 is refused where it is.
    ConfigImage image = buildFactoryImage();
    TextImportError error;
    EXPECT_FALSE(importText("# x\n[21] Вход 1 · Тип входа = 1\n\n[21] Вход 1 · Тип входа = 2\n", image, error));
    EXPECT_EQ(error.line, 4);
    EXPECT_TRUE(error.reason.contains(QStringLiteral("строке 2")));
    EXPECT_FALSE(importText("# x\n# y\n[21] Вход 1 · Название входа = \"\xFF\"\n", image, error));
    EXPECT_EQ(error.line, 3);
    EXPECT_TRUE(error.reason.contains(QStringLiteral("UTF-8")));
}
