#include "model/FactoryImage.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "model/Cp1251.h"

namespace vrm {

namespace {

constexpr uint8_t kFactoryModes[10] = {0x00, 0x00, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00};

// Factory internet access point of the GPRS page and its login.
constexpr const char* kFactoryApn = "internet.mts.ru";
constexpr const char* kFactoryApnLogin = "mts";
constexpr const char* kFactoryGprsPassword = "qzx";

void put(ConfigImage& image, std::size_t offset, std::initializer_list<uint8_t> bytes)
{
    for (uint8_t b : bytes)
        image.setByte(offset++, b);
}

void putText(ConfigImage& image, std::size_t base, const Field& field, const QString& text)
{
    image.setTextPadded(base, field, toCp1251(text));
}

void fillScenarios(ConfigImage& image)
{
    auto scenario = [&](int n) { return layout::scenarios.at(std::size_t(n - 1)); };
    put(image, scenario(1) + 2, {0x01, 0x80, 0x01});
    put(image, scenario(2) + 2, {0x02, 0x80, 0x02, 0x00, 0x02, 0x80, 0x02});
    put(image, scenario(3) + 2, {0x05, 0x80, 0x05, 0x00, 0x0A, 0x80, 0x0A});
    put(image, scenario(4) + 0, {0x01, 0x00, 0x02, 0x80, 0x02, 0x00, 0x02, 0x80});
    put(image, scenario(5) + 0, {0x01, 0x00, 0x01, 0x00, 0x01, 0x80, 0x02, 0x00, 0x00, 0x80});
    put(image, scenario(6) + 2, {0x02, 0x80, 0x03});
    put(image, scenario(7) + 0, {0x01, 0x00, 0x05, 0x80});
    for (int n = 8; n <= 14; ++n)
        put(image, scenario(n) + 0, {0x01, 0x00, 0x01, 0x80, 0x00, 0x00, 0x00, 0x80});
}

ConfigImage makeFactoryMainBlock()
{
    using namespace layout;
    ConfigImage image;

    image.setByte(0, 0x01);
    image.setTextPadded(0, signature::version, "v.01.02");
    put(image, 12, {0x39, 0x1F, 0x01});
    image.setTextPadded(common::array.base, common::dtmfPassword, "7395");
    image.setTextPadded(common::array.base, common::smsPassword, "kvzr");

    for (std::size_t n = 0; n < connections.count; ++n) {
        const std::size_t at = connections.at(n);
        image.setByte(at + 16, uint8_t(4 * n));
        image.setByte(at + 17, 0x09);
        image.setByte(at + 28, 0x09);
        image.setByte(at + 29, 0x05);
    }

    image.setByte(inputsCommon.base, 0x07);
    for (std::size_t n = 0; n < inputs.count; ++n) {
        const std::size_t at = inputs.at(n);
        putText(image, at, input::name, QStringLiteral("ВХОД%1").arg(n + 1));
        putText(image, at, input::activeText, QStringLiteral("АКТИВЕН"));
        putText(image, at, input::inactiveText, QStringLiteral("НЕАКТИВЕН"));
        image.setByte(at + 52, 0x22);
        put(image, at + 54, {0x40, 0x02});
        put(image, at + 58, {0x55, 0x05, 0xAA, 0x0A});
        image.setByte(at + 63, 0x02);
        put(image, at + 74, {0x20, 0x41});
    }

    for (std::size_t n = 0; n < outputs.count; ++n) {
        const std::size_t at = outputs.at(n);
        const QString name = n < 2 ? QStringLiteral("РЕЛЕ%1").arg(n + 1) : QStringLiteral("ВЫХОД%1").arg(n - 1);
        putText(image, at, output::name, name);
        putText(image, at, output::onText, QStringLiteral("ВКЛ"));
        putText(image, at, output::offText, QStringLiteral("ВЫКЛ"));
        image.setByte(at + 51, 0xA0);
    }

    fillScenarios(image);

    image.setByte(scheduler.base, 0x03);
    image.setByte(2808, 0xC9);
    put(image, 2812, {0x94, 0xA8});
    image.setByte(2817, 0x04);
    put(image, 2842, {0x01, 0xE7, 0x3C, 0xEC});
    image.setByte(2847, 0xF1);
    image.setByte(2849, 0x01);

    image.setTextPadded(gprs::array.base, gprs::apn, kFactoryApn);
    image.setTextPadded(gprs::array.base, gprs::userName, kFactoryApnLogin);
    image.setTextPadded(gprs::array.base, gprs::password, kFactoryGprsPassword);
    put(image, gprs::array.base + gprs::strategy.offset, {0xFF, 0x1B, 0x03, 0x03});
    for (std::size_t n = 0; n < servers.count; ++n)
        image.setByte(servers.at(n) + 40, 0x90);

    put(image, 3080, {0x10, 0x0E, 0x64});
    image.setByte(3084, 0x3C);

    for (std::size_t n = 0; n < perimeters.count; ++n)
        putText(image, perimeters.at(n), perimeter::name, QStringLiteral("ПЕРИМЕТР%1").arg(n + 1));

    for (std::size_t n = 0; n < profiles.count; ++n) {
        const std::size_t at = profiles.at(n);
        const QString name = n == 0   ? QStringLiteral("КОМФОРТ")
                             : n == 1 ? QStringLiteral("ЭКОНОМ")
                                      : QStringLiteral("ПРОФИЛЬ%1").arg(n + 1);
        putText(image, at, profile::name, name);
        for (std::size_t group = 0; group < 16; ++group)
            put(image, at + 20 + 6 * group, {0x55, 0x05, 0xAA, 0x0A, 0x00, 0x00});
    }
    return image;
}

const ConfigImage& factoryMainBlockImage()
{
    static const ConfigImage image = makeFactoryMainBlock();
    return image;
}

void copyBlock(ConfigImage& to, const ConfigImage& from, Block block)
{
    std::memcpy(to.data() + block.offset, from.data() + block.offset, block.size);
}

} // namespace

ConfigImage buildFactoryImage()
{
    ConfigImage image;
    restoreFactoryMainBlock(image);
    restoreFactoryModesBlock(image);
    // The system parameter block and the phone list header are zero in a factory image.
    for (std::size_t k = 0; k < layout::phoneRecords.count; ++k) {
        const std::size_t at = layout::phoneRecords.at(k);
        std::memset(image.data() + at + 24, 0xFF, 8);
        updateRecordCheckByte(image, int(k));
    }
    return image;
}

void restoreFactoryMainBlock(ConfigImage& image)
{
    copyBlock(image, factoryMainBlockImage(), blocks::main);
}

void restoreFactoryModesBlock(ConfigImage& image)
{
    std::memcpy(image.data() + blocks::modes.offset, kFactoryModes, sizeof kFactoryModes);
}

void restoreGprsStrategyDefaults(ConfigImage& image)
{
    const auto& strategy = layout::gprs::strategy;
    copyBlock(image, factoryMainBlockImage(), {layout::gprs::array.base + strategy.offset, strategy.width});
}

void updateRecordCheckByte(ConfigImage& image, int index)
{
    const std::size_t at = layout::phoneRecords.at(std::size_t(index));
    const std::size_t checkAt = at + layout::phoneRecord::check.offset;
    image.setByte(checkAt, 0);
    image.setByte(checkAt, negatedXor(image.span({at, layout::phoneRecords.size})));
}

int stripSpaces(std::span<uint8_t, 16> field)
{
    int n = 16;
    int i = 0;
    while (i < n) {
        if (field[std::size_t(i)] == ' ') {
            std::move(field.begin() + i + 1, field.begin() + n, field.begin() + i);
            field[std::size_t(n - 1)] = 0;
            --n;
        } else {
            ++i;
        }
    }
    return n;
}

bool signatureCheck(const ConfigImage& image, const ConfigImage& factory)
{
    if (image.byte(0) != factory.byte(0))
        return false;
    return std::strncmp(reinterpret_cast<const char*>(image.data() + 1),
                        reinterpret_cast<const char*>(factory.data() + 1), 8) == 0;
}

} // namespace vrm
