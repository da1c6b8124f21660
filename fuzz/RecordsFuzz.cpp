// The decoders of the controller's reply records (identity, live status, key
// code) fed any bytes, of any length. Rules: a short record reads as if padded
// with zeros; the texts keep their fixed shapes; support verdicts agree with
// the texts they are made of.

#include <QRegularExpression>
#include <algorithm>
#include <cstring>

#include "FuzzCheck.h"

#if __has_include("session/IdentityRecord.h")
#include "session/IdentityRecord.h"
#include "session/LiveStatus.h"
#else
#include "session/IdentityRecord.h"
#include "session/LiveStatus.h"
#endif

using namespace vrm;

namespace {

QByteArray padded(const QByteArray& bytes, int size)
{
    QByteArray out = bytes.left(size);
    out.resize(size, '\0');
    return out;
}

bool sameIdentity(const IdentityTexts& a, const IdentityTexts& b)
{
    return a.deviceName == b.deviceName && a.modification == b.modification && a.hardwareVersion == b.hardwareVersion
        && a.softwareVersion == b.softwareVersion && a.bootVersion == b.bootVersion && a.date == b.date
        && a.countryCode == b.countryCode && a.lockedSerial == b.lockedSerial && a.imei == b.imei
        && a.deviceSerial == b.deviceSerial;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const IdentityTexts identity = decodeIdentity(bytes);
    FUZZ_CHECK(sameIdentity(identity, decodeIdentity(padded(bytes, identity::kRecordSize))));
    FUZZ_CHECK(identity.unsupportedText().isEmpty() == (identity.deviceSupported() && identity.firmwareSupported()));
    FUZZ_CHECK(identity.deviceSupported() == (identity.deviceName == QStringLiteral("VRM530")));
    FUZZ_CHECK(identity.firmwareText() == identity.modification + QLatin1Char('.') + identity.softwareVersion);

    const LiveStatus status = LiveStatus::decode(bytes);
    const LiveStatus full = LiveStatus::decode(padded(bytes, live::kStatusSize));
    FUZZ_CHECK(std::memcmp(&status.clock, &full.clock, sizeof status.clock) == 0);
    FUZZ_CHECK(std::memcmp(&status.inputReading, &full.inputReading, sizeof status.inputReading) == 0);
    FUZZ_CHECK(status.gsmState == full.gsmState && status.inputs == full.inputs && status.outputs == full.outputs);
    FUZZ_CHECK(status.signalQuality() >= 0 && status.signalQuality() <= 31);
    const QStringList states = defaultGsmStates();
    FUZZ_CHECK(states.size() == live::kGsmStateCount);
    FUZZ_CHECK(gsmStateText(status.gsmState, states) == states.at(std::min<int>(status.gsmState, 11)));
    for (int perimeter = 1; perimeter <= 4; ++perimeter) {
        const int mode = perimeterMode(status.perimeterModes, perimeter);
        FUZZ_CHECK(mode >= 0 && mode <= 3);
    }
    const BatteryView battery = batteryView(status.battery);
    FUZZ_CHECK(battery.bar >= 0 && battery.bar <= 100);
    FUZZ_CHECK(battery.bar == (status.battery <= 100 ? status.battery : 0));
    const MainsView mains = mainsView(status.mains);
    FUZZ_CHECK(mains.bar >= 0 && mains.bar <= 255);
    const TemperatureView temperature = temperatureView(status.temperature, status.temperaturePresent());
    FUZZ_CHECK(temperature.barVisible == status.temperaturePresent());
    FUZZ_CHECK(temperature.value.isEmpty() == !status.temperaturePresent());
    FUZZ_CHECK(balanceText(status.balancePresent(), status.balance).isEmpty() == !status.balancePresent());
    static const QRegularExpression clock(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    const QString clockText = controllerClockText(status);
    // Each byte shows as its tens and units: bytes of 100 and up make more digits.
    const bool twoDigitBytes = std::all_of(std::begin(status.clock), std::end(status.clock), [](uint8_t b) { return b < 100; });
    FUZZ_CHECK(!twoDigitBytes || clock.match(clockText).hasMatch());

    const QByteArray key = padded(bytes, live::kKeySize);
    FUZZ_CHECK(keyPresented(bytes) == ((uint8_t(key.at(8)) & 3) == 3));
    // Only a whole record is ever decoded; a short one gives fewer digits, never other ones.
    const QString code = keyCodeText(bytes);
    FUZZ_CHECK(code == QString::fromLatin1(bytes.left(8).toHex().toUpper()));
    FUZZ_CHECK(size < 8 || code.size() == 16);
    return 0;
}
