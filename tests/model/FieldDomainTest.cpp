#include <gtest/gtest.h>

#include <QHash>
#include <QStringList>
#include <bit>

#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "model/FieldDomain.h"
#include "model/FieldMap.h"
#include "model/FieldText.h"
#include "model/TextForm.h"

using namespace vrm;

namespace {

bool isNumber(const FieldEntry& entry)
{
    switch (entry.field->kind) {
    case FieldKind::Bits:
    case FieldKind::U8:
    case FieldKind::I8:
    case FieldKind::U16:
    case FieldKind::U32: return true;
    default: return false;
    }
}

long long numberOf(const ConfigImage& image, const FieldEntry& entry)
{
    if (entry.field->kind == FieldKind::I8)
        return int8_t(image.byte(entry.offset()));
    return image.numberAt(entry.base, *entry.field, entry.element);
}

QString lineOf(const FieldEntry& entry, const QString& value)
{
    const QString page = entry.page < 0 ? QStringLiteral("-") : QString::number(entry.page);
    return QStringLiteral("[%1] %2 = %3").arg(page, entry.name, value);
}

// A value of the field inside its domain other than the one `image` holds,
// written into a copy of `image`; false when the domain has a single value.
bool changedInsideDomain(const ConfigImage& image, const FieldEntry& entry, ConfigImage& changed)
{
    changed = image;
    uint8_t* bytes = changed.data() + entry.offset();
    switch (entry.field->kind) {
    case FieldKind::Text: {
        // The longest text the field holds, none of whose characters is the factory one's.
        const QByteArray text(entry.field->width, image.byte(entry.offset()) == 0xC6 ? char(0xC7) : char(0xC6));
        std::copy(text.cbegin(), text.cend(), bytes);
        return true;
    }
    case FieldKind::Float: {
        const uint32_t value = std::bit_cast<uint32_t>(12.5f) == changed.dword(entry.offset())
                                   ? std::bit_cast<uint32_t>(-3.25f)
                                   : std::bit_cast<uint32_t>(12.5f);
        changed.setDword(entry.offset(), value);
        return true;
    }
    case FieldKind::IPv4: changed.setDword(entry.offset(), changed.dword(entry.offset()) ^ 0x0A010203u); return true;
    case FieldKind::Raw:
    case FieldKind::Records:
        for (std::size_t i = 0; i < entry.size(); ++i)
            bytes[i] = uint8_t(~bytes[i]);
        return true;
    default: break;
    }
    const long long now = numberOf(image, entry);
    const NumberBounds bounds = domainBounds(*entry.field);
    for (long long value : {now + 1, now - 1, bounds.low, bounds.high}) {
        if (value == now || !inDomain(*entry.field, value))
            continue;
        if (entry.field->kind == FieldKind::I8)
            changed.setByte(entry.offset(), uint8_t(int8_t(value)));
        else
            changed.setNumberAt(entry.base, *entry.field, uint32_t(value), entry.element);
        return true;
    }
    return false;
}

// The first values past each end of the field's domain, as the text form writes them.
QStringList outsideDomain(const FieldEntry& entry, long long factoryValue)
{
    if (entry.field->kind == FieldKind::Text)
        return {u'"' + QString(entry.field->width + 1, u'Ж') + u'"'};
    if (!isNumber(entry))
        return {};
    const NumberBounds bounds = domainBounds(*entry.field);
    QStringList values;
    for (long long value : {bounds.low - 1, bounds.high + 1})
        if (value != factoryValue) // the factory value imports wherever it lies
            values << QString::number(value);
    return values;
}

} // namespace

// Over every field of the main block: the factory value and another value
// inside the domain come back from the text unchanged; the first value past
// each end of the domain is refused on its line, naming the field and what it
// allows, and nothing is written.
TEST(FieldDomain, EveryFieldImportsItsDomainAndRefusesWhatLiesOutside)
{
    const ConfigImage factory = buildFactoryImage();
    const QByteArray factoryText = exportText(factory);
    ConfigImage fromText;
    TextImportError error;
    ASSERT_TRUE(importText(factoryText, fromText, error)) << error.message().toStdString();
    ASSERT_TRUE(std::ranges::equal(fromText.span(blocks::main), factory.span(blocks::main)));

    int singleValued = 0;
    for (const FieldEntry& entry : mainBlockMap().fields) {
        SCOPED_TRACE(entry.name.toStdString());
        ConfigImage changed;
        if (changedInsideDomain(factory, entry, changed)) {
            const QString value = exactValue(changed, entry);
            ConfigImage imported = factory;
            ASSERT_TRUE(importText(("# one field\n" + lineOf(entry, value)).toUtf8(), imported, error))
                << value.toStdString() << ": " << error.message().toStdString();
            EXPECT_TRUE(std::ranges::equal(imported.span(blocks::main), changed.span(blocks::main)));
            EXPECT_TRUE(QString::fromUtf8(exportText(changed)).contains(u'\n' + lineOf(entry, value)))
                << value.toStdString();
        } else {
            ++singleValued;
        }

        const long long factoryValue = isNumber(entry) ? numberOf(factory, entry) : 0;
        for (const QString& bad : outsideDomain(entry, factoryValue)) {
            ConfigImage image = factory;
            const QByteArray text = ("# a\n# b\n" + lineOf(entry, bad) + u'\n').toUtf8();
            EXPECT_FALSE(importText(text, image, error)) << bad.toStdString();
            EXPECT_EQ(error.line, 3) << bad.toStdString();
            EXPECT_TRUE(error.reason.contains(entry.name)) << error.reason.toStdString();
            if (isNumber(entry)) {
                EXPECT_TRUE(error.reason.contains(allowedValues(*entry.field))) << error.reason.toStdString();
            }
            EXPECT_TRUE(image == factory);
        }
    }
    // Only the perimeters' cleared bytes allow one value (0).
    EXPECT_EQ(singleValued, int(layout::perimeters.count));
}

// Every list field says its item after the number; numbers with a unit say it;
// a value outside the domain that is not the factory one is marked, and its
// line is refused on import.
TEST(FieldDomain, TheTextFormSaysItemsAndUnitsAndMarksWhatItWouldRefuse)
{
    ConfigImage image = buildFactoryImage();
    image.set(layout::inputs[0], layout::input::sensorType, layout::input::kTypeAnalogue);
    image.set(layout::inputs[0], layout::input::recoveryTime, 12);
    image.setSigned(layout::clockBlock[0], layout::clock::timeZone, 3);
    image.setSigned(layout::temperatureBlock[0], layout::temperature::highLevel, 60);
    image.set(layout::commonBlock[0], layout::common::modbusAddress, 250);
    const QString text = QString::fromUtf8(exportText(image));
    EXPECT_TRUE(text.contains(QStringLiteral("\n[21] Вход 1 · Тип входа = 2 # Аналоговый\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n[21] Вход 1 · Время восстановления опроса, мин = 12 # мин\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("= 3 # (GMT+3:00) Москва, Санкт-Петербург, Тула\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Реакция при превышении")));
    EXPECT_TRUE(text.contains(QStringLiteral("· При превышении = 60 # 60° C\n")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("· Адрес Modbus = 250 # вне допустимых значений 1..247\n")));

    for (const FieldEntry& entry : mainBlockMap().fields) {
        if (!entry.field->domain.hasItems())
            continue;
        const long long value = numberOf(image, entry);
        if (const std::optional<QString> item = itemText(*entry.field, value, false)) {
            EXPECT_TRUE(text.contains(lineOf(entry, QString::number(value) + QStringLiteral(" # ") + *item)))
                << entry.name.toStdString();
        }
    }

    ConfigImage target;
    TextImportError error;
    EXPECT_FALSE(importText(text.toUtf8(), target, error));
    EXPECT_TRUE(error.reason.contains(QStringLiteral("Адрес Modbus"))) << error.reason.toStdString();
    EXPECT_TRUE(error.reason.contains(QStringLiteral("вне диапазона 1..247"))) << error.reason.toStdString();
}

// What a comparison reads: items in the interface language, units, the password hidden.
TEST(FieldDomain, ReadableValuesShowItemsAndUnits)
{
    ConfigImage image = buildFactoryImage();
    image.set(layout::inputs[1], layout::input::sensorType, layout::input::kTypeTs42);
    image.set(layout::inputs[1], layout::input::recoveryTime, 7);
    image.set(layout::connections[0], layout::connection::groupNumber, 2);
    image.set(layout::inputs[1], layout::input::listenNumber, 12); // no item: the number
    image.setTextPadded(layout::commonBlock[0], layout::common::systemPassword, "1234");
    QHash<QString, QString> shown;
    for (const FieldEntry& entry : mainBlockMap().fields)
        shown.insert(entry.name, readableValue(image, entry));
    EXPECT_EQ(shown.value(QStringLiteral("Вход 2 · Тип входа")), QStringLiteral("Термодатчик TS-42"));
    EXPECT_EQ(shown.value(QStringLiteral("Вход 2 · Время восстановления опроса, мин")), QStringLiteral("7 мин"));
    EXPECT_EQ(shown.value(QStringLiteral("Соединение 1 · Группа")), QStringLiteral("3"));
    EXPECT_EQ(shown.value(QStringLiteral("Вход 2 · Номер для прослушивания")), QStringLiteral("12"));
    EXPECT_EQ(shown.value(QStringLiteral("Общие параметры соединений · Административный пароль")),
              QStringLiteral("(задан)"));
    EXPECT_EQ(shown.value(QStringLiteral("Вход 2 · При переходе в активное состояние · Реле 2")),
              QStringLiteral("нет реакции"));
}
