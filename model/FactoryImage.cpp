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

template <class R>
void putText(ConfigImage& image, RecordAt<R> at, const Field<R, FieldKind::Text>& field, const QString& text)
{
    image.setTextPadded(at, field, toCp1251(text));
}

void factorySignature(ConfigImage& image)
{
    using namespace layout;
    image.set(signatureBlock[0], signature::format, 0x01);
    image.setTextPadded(signatureBlock[0], signature::version, "v.01.02");
}

void factoryCommon(ConfigImage& image)
{
    using namespace layout;
    const auto at = commonBlock[0];
    image.set(at, common::callPause, 1);
    image.set(at, common::alwaysAcknowledgeSms, 1);
    image.set(at, common::smsControlOnlyListed, 1);
    image.set(at, common::dtmfControlOnlyListed, 1);
    image.set(at, common::outdatedMessageTime, 0x0F);
    image.set(at, common::dataProtocol, 1);
    image.set(at, common::modbusAddress, 1);
    image.setTextPadded(at, common::dtmfPassword, "7395");
    image.setTextPadded(at, common::smsPassword, "kvzr");
}

void factoryConnections(ConfigImage& image)
{
    using namespace layout;
    for (std::size_t n = 0; n < connections.count; ++n) {
        const auto at = connections[n];
        image.set(at, connection::groupNumber, uint32_t(n));
        image.set(at, connection::voiceWaitTime, 9);
        image.set(at, connection::smsWaitTime, 9);
        image.set(at, connection::smsLanguage, 1);
        image.set(at, connection::smsUserIdentity, 1);
    }
}

void factoryInputs(ConfigImage& image)
{
    using namespace layout;
    const auto common = inputsCommonBlock[0];
    image.set(common, inputsCommon::sensorSupplyAlwaysOn, 1);
    image.set(common, inputsCommon::loopPowerResetTime, 3);
    for (std::size_t n = 0; n < inputs.count; ++n) {
        const auto at = inputs[n];
        putText(image, at, input::name, QStringLiteral("ВХОД%1").arg(n + 1));
        putText(image, at, input::activeName, QStringLiteral("АКТИВЕН"));
        putText(image, at, input::passiveName, QStringLiteral("НЕАКТИВЕН"));
        image.set(at, input::averagingTime, 2);
        image.set(at, input::activeLevel, 2);
        image.set(at, input::relayControl, 1);
        image.set(at, input::sensorType, input::kTypeDiscrete);
        image.set(at, input::lowThreshold, 1365);
        image.set(at, input::highThreshold, 2730);
        image.set(at, input::supplySource, 2);
        image.setReal(at, input::maximum, 10.0f);
    }
}

void factoryOutputs(ConfigImage& image)
{
    using namespace layout;
    for (std::size_t n = 0; n < outputs.count; ++n) {
        const auto at = outputs[n];
        const QString name = n < 2 ? QStringLiteral("РЕЛЕ%1").arg(n + 1) : QStringLiteral("ВЫХОД%1").arg(n - 1);
        putText(image, at, output::name, name);
        putText(image, at, output::onText, QStringLiteral("ВКЛ"));
        putText(image, at, output::offText, QStringLiteral("ВЫКЛ"));
        image.set(at, output::enabled, 1);
        image.set(at, output::remoteControlAllowed, 1);
    }
}

// A scenario's repeat word and steps as (high, duration) pairs; the terminator
// that follows carries the level after the last step when played once, the
// last step's own level when repeated.
void putScenario(ConfigImage& image, int number, uint16_t repeat, std::initializer_list<std::pair<bool, int>> steps)
{
    using namespace layout;
    const auto at = scenarios[std::size_t(number - 1)];
    image.set(at, scenario::repeat, repeat);
    std::size_t k = 0;
    bool high = false;
    for (const auto& [level, duration] : steps) {
        high = level;
        image.set(at, scenario::steps, (high ? scenario::kLevelHigh : 0) | uint32_t(duration), k++);
    }
    const bool terminatorHigh = repeat == 1 ? !high : high;
    image.set(at, scenario::steps, terminatorHigh ? scenario::kLevelHigh : 0, k);
}

void factoryScenarios(ConfigImage& image)
{
    putScenario(image, 1, 0, {{true, 1}, {false, 1}});
    putScenario(image, 2, 0, {{true, 2}, {false, 2}, {true, 2}, {false, 2}});
    putScenario(image, 3, 0, {{true, 5}, {false, 5}, {true, 10}, {false, 10}});
    putScenario(image, 4, 1, {{true, 2}, {false, 2}, {true, 2}});
    putScenario(image, 5, 1, {{false, 1}, {true, 1}, {false, 2}});
    putScenario(image, 6, 0, {{true, 2}, {false, 3}});
    putScenario(image, 7, 1, {{true, 5}});
    for (int n = 8; n <= 14; ++n) {
        putScenario(image, n, 1, {{true, 1}});
        image.set(layout::scenarios[std::size_t(n - 1)], layout::scenario::steps, layout::scenario::kLevelHigh, 2);
    }
}

void factoryClockPowerTemperature(ConfigImage& image)
{
    using namespace layout;
    image.setSigned(clockBlock[0], clock::timeZone, 3);

    const auto supply = powerBlock[0];
    image.set(supply, power::averagingTime, 1);
    image.set(supply, power::failureMessage, 1);
    image.set(supply, power::messageInterval, 4);
    image.set(supply, power::recoveryMessage, 1);
    image.set(supply, power::secondDischargeLimit, 20);
    image.set(supply, power::secondDischargeMessage, 1);
    image.set(supply, power::firstDischargeLimit, 40);
    image.set(supply, power::firstDischargeMessage, 1);
    image.set(supply, power::alarmBlinking, 1);

    const auto heat = temperatureBlock[0];
    image.set(heat, temperature::notify, 1);
    image.setSigned(heat, temperature::lowBorder, -25);
    image.setSigned(heat, temperature::highBorder, 60);
    image.setSigned(heat, temperature::lowLevel, -20);
    image.setSigned(heat, temperature::highLevel, -15);
    image.set(heat, temperature::tamperEnabled, 1);
}

void factoryGprsAndServers(ConfigImage& image)
{
    using namespace layout;
    const auto at = gprsBlock[0];
    image.setTextPadded(at, gprs::apn, kFactoryApn);
    image.setTextPadded(at, gprs::userName, kFactoryApnLogin);
    image.setTextPadded(at, gprs::password, kFactoryGprsPassword);
    image.set(at, gprs::connectionStrategy, gprs::kAlwaysConnected);
    image.set(at, gprs::attempts, 3);
    image.set(at, gprs::pingPeriod, 3);
    image.set(at, gprs::blockTime, 3);
    image.set(at, gprs::onlineTime, 3);
    for (std::size_t n = 0; n < servers.count; ++n) {
        image.set(servers[n], server::gprsWaitTime, 9);
    }
}

void factoryReservedBytes(ConfigImage& image)
{
    // Bytes no page edits; the controller expects these values.
    const auto bytes = image.bytes(layout::reserved3072Block[0], layout::reserved3072::content);
    bytes[8] = 0x10;
    bytes[9] = 0x0E;
    bytes[10] = 0x64;
    bytes[12] = 0x3C;
}

void factoryPerimeters(ConfigImage& image)
{
    using namespace layout;
    for (std::size_t n = 0; n < perimeters.count; ++n)
        putText(image, perimeters[n], perimeter::name, QStringLiteral("ПЕРИМЕТР%1").arg(n + 1));
}

void factoryProfiles(ConfigImage& image)
{
    using namespace layout;
    for (std::size_t n = 0; n < profiles.count; ++n) {
        const auto at = profiles[n];
        const QString name = n == 0   ? QStringLiteral("КОМФОРТ")
                             : n == 1 ? QStringLiteral("ЭКОНОМ")
                                      : QStringLiteral("ПРОФИЛЬ%1").arg(n + 1);
        putText(image, at, profile::name, name);
        for (std::size_t i = 0; i < profile::thresholds.info.count; ++i) {
            const auto entry = profile::thresholds(at, i);
            image.set(entry, threshold::low, 1365);
            image.set(entry, threshold::high, 2730);
        }
    }
}

ConfigImage makeFactoryMainBlock()
{
    ConfigImage image;
    factorySignature(image);
    factoryCommon(image);
    factoryConnections(image);
    factoryInputs(image);
    factoryOutputs(image);
    factoryScenarios(image);
    factoryClockPowerTemperature(image);
    factoryGprsAndServers(image);
    factoryReservedBytes(image);
    factoryPerimeters(image);
    factoryProfiles(image);
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
        const auto data = image.bytes(layout::phoneRecords[k], layout::phoneRecord::data);
        std::fill(data.begin() + 24, data.end(), uint8_t(0xFF));
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
    const auto bytes = image.bytes(layout::modesBlock[0], layout::modes::content);
    std::copy(std::begin(kFactoryModes), std::end(kFactoryModes), bytes.begin());
}

void restoreGprsStrategyDefaults(ConfigImage& image)
{
    const auto at = layout::gprsBlock[0];
    const auto factory = factoryMainBlockImage().bytes(at, layout::gprs::strategy);
    std::copy(factory.begin(), factory.end(), image.bytes(at, layout::gprs::strategy).begin());
}

void updateRecordCheckByte(ConfigImage& image, int index)
{
    const auto at = layout::phoneRecords[std::size_t(index)];
    image.set(at, layout::phoneRecord::check, 0);
    image.set(at, layout::phoneRecord::check, negatedXor(image.span({at.base, layout::phoneRecords.size})));
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
