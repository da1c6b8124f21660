#pragma once
// The controller's live status record (answer to command 12, 36 bytes) and
// key code record (answer to command 14, 12 bytes), and how the window shows
// their values. Pure functions: the poller thread decodes nothing that
// touches widgets.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace vrm {

namespace live {
constexpr int kStatusSize = 36;
constexpr int kKeySize = 12;
constexpr int kGsmStateCount = 12; // the last text stands for every code from 11 up
// The ranges of page 15's bars; a reading outside is shown at the nearest end.
constexpr int kMainsBarMax = 165;        // 16.5 V
constexpr int kTemperatureBarMin = -40;
constexpr int kTemperatureBarMax = 90;
} // namespace live

// Field view of a live status record; a short record reads as zeros.
struct LiveStatus {
    uint8_t clock[6] = {};     // year within the century, month, day, hour, minute, second
    uint16_t inputReading[8] = {}; // raw 0-4095, input n at index n-1
    uint8_t mains = 0;         // 0.1 V
    uint8_t battery = 0;       // per cent; 254 = test running; other values above 100 = none
    uint8_t signalAndFlags = 0;
    uint8_t perimeterModes = 0;
    uint8_t presence = 0;      // bit 0 temperature, bit 1 balance
    uint8_t inputs = 0;
    uint8_t outputs = 0;
    uint8_t gsmState = 0;
    int8_t temperature = 0;
    float balance = 0;

    static LiveStatus decode(const QByteArray& record);

    int signalQuality() const { return signalAndFlags & 31; }
    bool temperaturePresent() const { return presence & 1; }
    bool balancePresent() const { return presence & 2; }
    // The input reading is worth showing: bit 6 with a battery, or bit 5.
    bool inputReadingValid() const
    {
        return ((signalAndFlags & 0x40) && battery != 0) || (signalAndFlags & 0x20);
    }
};

// The GSM state text for a code; codes past the list's end use its last text.
QString gsmStateText(int code, const QStringList& states);
// The 12 GSM module state texts in code order: Russian, and as shown.
QStringList gsmStateSources();
QStringList defaultGsmStates();

// Perimeter n (1-4) of the mode byte: 0 observation, 1 changing mode, 2 armed, 3 blank.
int perimeterMode(uint8_t modes, int perimeter);

struct BatteryView {
    QString percent; // "100%"
    int bar;         // 0-100
    QString message;
};
BatteryView batteryView(uint8_t battery);

struct MainsView {
    QString volts;   // "12.3 В" in the locale's decimal notation
    int bar;         // 0-165, in 0.1 V (a higher supply fills the bar)
};
MainsView mainsView(uint8_t tenthsOfVolt);

struct TemperatureView {
    QString caption;
    bool barVisible;
    int bar;         // -40 to 90 (a reading beyond shows at the nearer end)
    QString value;   // "-10° C", empty when absent
};
TemperatureView temperatureView(int8_t celsius, bool present);

// "Баланс лицевого счета: 1 234.50", empty when the controller has no balance.
QString balanceText(bool present, float value);

// The controller clock of bytes 0-5 as "dd.mm.yy hh:mm:ss".
QString controllerClockText(const LiveStatus& status);

// Key code record: a new key was read when bits 0 and 1 of byte 8 are both set.
bool keyPresented(const QByteArray& record);
// Bytes 0-7 as 16 upper-case hexadecimal digits, byte 0 first.
QString keyCodeText(const QByteArray& record);

} // namespace vrm
