#pragma once
// The declared memory map of the configuration image: blocks, record arrays
// and fields. Pages bind their controls through these declarations, so every
// offset lives here once.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vrm {

struct Block {
    std::size_t offset;
    std::size_t size;
    constexpr std::size_t end() const { return offset + size; }
};

enum class FieldKind : uint8_t { Bits, U8, U16, U32, Float, Text, IPv4, Raw };

struct Field {
    std::string_view name;
    uint16_t offset;    // relative to its record
    uint16_t width;     // bytes
    FieldKind kind;
    uint8_t firstBit = 0;
    uint8_t bitCount = 0;
};

constexpr Field bitField(std::string_view name, uint16_t offset, uint8_t first, uint8_t count)
{
    return {name, offset, 1, FieldKind::Bits, first, count};
}
constexpr Field u8Field(std::string_view name, uint16_t offset) { return {name, offset, 1, FieldKind::U8}; }
constexpr Field u16Field(std::string_view name, uint16_t offset) { return {name, offset, 2, FieldKind::U16}; }
constexpr Field u32Field(std::string_view name, uint16_t offset) { return {name, offset, 4, FieldKind::U32}; }
constexpr Field floatField(std::string_view name, uint16_t offset) { return {name, offset, 4, FieldKind::Float}; }
constexpr Field ipv4Field(std::string_view name, uint16_t offset) { return {name, offset, 4, FieldKind::IPv4}; }
constexpr Field textField(std::string_view name, uint16_t offset, uint16_t width)
{
    return {name, offset, width, FieldKind::Text};
}
constexpr Field rawField(std::string_view name, uint16_t offset, uint16_t width)
{
    return {name, offset, width, FieldKind::Raw};
}

// `count` records of `size` bytes from `base`; a single block is a count of 1.
struct RecordArray {
    std::size_t base;
    std::size_t size;
    std::size_t count;
    constexpr std::size_t at(std::size_t index) const { return base + size * index; }
    constexpr std::size_t end() const { return base + size * count; }
};

// One record type with the fields declared in it, for checks and readable names.
struct RecordLayout {
    std::string_view name;
    RecordArray array;
    std::span<const Field> fields;
};

namespace blocks {
constexpr Block image{0, 23360};
constexpr Block main{0, 5292};
constexpr Block modes{5292, 10};
constexpr Block gap{5302, 2};
constexpr Block systemParameters{5304, 24};
constexpr Block phoneListHeader{5328, 32};
constexpr Block phoneRecords{5360, 18000};
constexpr Block phoneList{5328, 18032}; // header and records, one controller area
} // namespace blocks

namespace layout {

// --- Image signature (offsets 0-11) ---
namespace signature {
constexpr RecordArray array{0, 12, 1};
constexpr Field format = u8Field("format", 0);
constexpr Field version = textField("version", 1, 8);
constexpr Field versionNumber = rawField("version number", 3, 5); // "01.02", carried by file headers
constexpr Field reserved = rawField("reserved", 9, 3);
} // namespace signature

// --- Common connection parameters and security (page 1) ---
namespace common {
constexpr RecordArray array{12, 56, 1};
constexpr Field systemPassword = textField("administrator password", 8, 9); // image offset 20
constexpr Field pin = textField("SIM PIN", 17, 9);                        // 29
constexpr Field dtmfPassword = textField("DTMF password", 26, 5);         // 38
constexpr Field smsPassword = textField("SMS password", 31, 9);           // 43
constexpr Field smsCentre = textField("SMS centre", 40, 16);              // 52
// Option bytes 12 and 13 and the Modbus address at 14.
constexpr Field callPause = bitField("pause between calls", 0, 0, 3);           // x10 s
constexpr Field alwaysAcknowledgeSms = bitField("always acknowledge SMS", 0, 3, 1);
constexpr Field smsControlOnlyListed = bitField("SMS control only from list", 0, 4, 1);
constexpr Field dtmfControlOnlyListed = bitField("DTMF control only from list", 0, 5, 1);
constexpr Field dialPriority = bitField("dial priority", 0, 6, 2);
constexpr Field outdatedMessageTime = bitField("SMS command age limit", 1, 0, 4); // x2 min, 0 = none
constexpr Field dataProtocol = bitField("DATA protocol", 1, 4, 1);
constexpr Field modbusAddress = u8Field("Modbus address", 2);                   // 14
// The balance request fields of page 1 lie in the record `layout::balance` (2818-2841).
constexpr Field ussdCommand = textField("USSD balance command", 2, 9);     // 2820
constexpr Field balanceKeyword = textField("balance keyword", 11, 9);      // 2829
constexpr Field balanceThreshold = u16Field("balance threshold", 20);      // 2838
constexpr Field balanceRequestPeriod = u8Field("balance request period", 22); // 2840, hours
} // namespace common

// --- Connections 1-8 (pages 2-9) ---
constexpr RecordArray connections{68, 36, 8};
namespace connection {
constexpr Field phone = textField("phone", 0, 16);
constexpr Field transportPriority = bitField("transport priority", 16, 0, 2);
constexpr Field groupNumber = bitField("group", 16, 2, 4);                 // group - 1
constexpr Field voiceWaitTime = bitField("voice wait time", 17, 0, 4);     // minutes - 1
constexpr Field incomingCallAction = bitField("incoming call action", 17, 4, 2);
constexpr Field incomingCallOutput = bitField("incoming call output", 18, 0, 3);
constexpr Field incomingCallOutputAction = bitField("incoming call output action", 18, 3, 5);
constexpr Field hangUpIsDelivery = bitField("hang-up counts as delivery", 19, 0, 1);
constexpr Field voiceEnabled = bitField("voice enabled", 19, 1, 1);
constexpr Field voiceCallLength = bitField("voice call length", 19, 2, 6);
constexpr Field connectionType = bitField("connection type", 20, 0, 2);
// Source mask pair: word A = input not unchecked, word B = input checked.
constexpr Field voiceInputsSet = u16Field("voice inputs set", 22);
constexpr Field voiceInputsChecked = u16Field("voice inputs checked", 24);
constexpr Field voiceArm = bitField("voice arm", 26, 0, 4);
constexpr Field voiceDisarm = bitField("voice disarm", 26, 4, 4);
constexpr Field voiceRestrictedArm = bitField("voice restricted arm", 27, 0, 1);
constexpr Field voiceSystemEvents = bitField("voice system events", 27, 1, 1);
constexpr Field voiceTest = bitField("voice test", 27, 2, 1);
constexpr Field voiceGps = bitField("voice GPS", 27, 3, 1);
constexpr Field smsWaitTime = bitField("SMS wait time", 28, 0, 4);         // minutes - 1
constexpr Field smsLanguage = bitField("SMS language", 29, 0, 2);
constexpr Field smsUserIdentity = bitField("SMS user identity", 29, 2, 1);
constexpr Field controlErrorCheck = bitField("control error check", 29, 3, 1);
constexpr Field smsEnabled = bitField("SMS enabled", 29, 4, 1);
constexpr Field jointUse = bitField("slave controller control", 29, 5, 1);
constexpr Field smsInputsSet = u16Field("SMS inputs set", 30);
constexpr Field smsInputsChecked = u16Field("SMS inputs checked", 32);
constexpr Field smsArm = bitField("SMS arm", 34, 0, 4);
constexpr Field smsDisarm = bitField("SMS disarm", 34, 4, 4);
constexpr Field smsRestrictedArm = bitField("SMS restricted arm", 35, 0, 1);
constexpr Field smsSystemEvents = bitField("SMS system events", 35, 1, 1);
constexpr Field smsTest = bitField("SMS test", 35, 2, 1);
constexpr Field smsGps = bitField("SMS GPS", 35, 3, 1);
constexpr Field smsProfile = bitField("SMS profile", 35, 4, 1);
} // namespace connection

// --- Inputs ---
constexpr RecordArray inputsCommon{356, 4, 1};
constexpr RecordArray inputs{360, 92, 16};
namespace input {
constexpr Field name = textField("name", 0, 17);
constexpr Field activeText = textField("active text", 17, 17);
constexpr Field inactiveText = textField("inactive text", 34, 17);
} // namespace input

// --- Relays 1-2 and outputs 1-5 ---
constexpr RecordArray outputs{1832, 52, 7};
namespace output {
constexpr Field name = textField("name", 0, 17);
constexpr Field onText = textField("on text", 17, 17);
constexpr Field offText = textField("off text", 34, 17);
} // namespace output

// --- Control scenarios: 17 little-endian words each ---
constexpr RecordArray scenarios{2196, 34, 14};

// --- Clock and task scheduler; power, temperature, indication, tamper ---
constexpr RecordArray scheduler{2672, 136, 1};
constexpr RecordArray power{2808, 10, 1};
constexpr RecordArray balance{2818, 24, 1};
constexpr RecordArray powerTail{2842, 10, 1};

// --- GPRS common parameters (page 10) ---
namespace gprs {
constexpr RecordArray array{2852, 88, 1};
constexpr Field apn = textField("APN", 0, 33);                 // 2852
constexpr Field userName = textField("GPRS login", 33, 17);    // 2885
constexpr Field password = textField("GPRS password", 50, 17); // 2902
// The strategy group (2934-2937) that "Значения по умолчанию" restores as a whole;
// its bytes are declared one by one below, so only those are listed for the checks.
constexpr Field strategy = rawField("connection strategy", 82, 4); // 2934-2937
constexpr Field dns1 = ipv4Field("primary DNS", 68);                       // 2920
constexpr Field dns2 = ipv4Field("secondary DNS", 72);                     // 2924
constexpr Field inputsSet = u16Field("GPRS inputs set", 76);               // 2928
constexpr Field inputsChecked = u16Field("GPRS inputs checked", 78);       // 2930
constexpr Field arm = bitField("GPRS arm", 80, 0, 4);                      // 2932
constexpr Field disarm = bitField("GPRS disarm", 80, 4, 4);
constexpr Field restrictedArm = bitField("GPRS restricted arm", 81, 0, 1); // 2933
constexpr Field systemEvents = bitField("GPRS system events", 81, 1, 1);
constexpr Field test = bitField("GPRS test", 81, 2, 1);
constexpr Field profile = bitField("GPRS profile", 81, 4, 1);
// 255 = always connected, 0 = on event, 1-252 = periodically every value x 5 min.
constexpr Field connectionStrategy = u8Field("strategy and period", 82);   // 2934
constexpr Field attempts = bitField("connection attempts", 83, 0, 3);     // count
constexpr Field pingPeriod = bitField("ping period", 83, 3, 5);           // minutes
constexpr Field blockTime = u8Field("block time", 84);                    // x5 min
constexpr Field onlineTime = bitField("online time", 85, 0, 5);           // minutes
constexpr uint8_t kAlwaysConnected = 255;
constexpr uint8_t kOnEvent = 0;
} // namespace gprs

// --- Servers 1-3 (pages 11-13) ---
constexpr RecordArray servers{2940, 44, 3};
namespace server {
// The address: an IPv4 field in bytes 0-3 or a NUL-terminated domain name;
// `ipAddress` and `domainName` are the two views of `address`.
constexpr Field address = rawField("address", 0, 36);
constexpr Field ipAddress = ipv4Field("IP address", 0);
constexpr Field domainName = textField("domain name", 0, 34); // 33 characters and a NUL
constexpr Field port = u16Field("port", 36);
constexpr Field addressType = bitField("address type", 38, 0, 1); // 0 IPv4, 1 domain name
constexpr Field enabled = bitField("enabled", 40, 0, 1);
constexpr Field gprsWaitTime = bitField("GPRS wait time", 40, 4, 4); // minutes - 1, written by page 10
} // namespace server

// --- Offsets no page edits ---
constexpr RecordArray reserved3072{3072, 15, 1};

// --- Perimeters 1-4 and the touch-memory key table ---
constexpr RecordArray perimeters{3087, 51, 4};
namespace perimeter {
constexpr Field name = textField("name", 0, 17);
} // namespace perimeter
constexpr RecordArray touchMemoryKeys{3292, 32, 32};

// --- Profiles 1-8 ---
constexpr RecordArray profiles{4316, 122, 8};
namespace profile {
constexpr Field name = textField("name", 0, 17);
} // namespace profile

// --- System parameters (page 47), device area 5 ---
namespace systemParameters {
constexpr RecordArray array{5304, 24, 1};
// Clock calibration: bits 0-16 of the 32-bit word at 5304, the direction in bit 17.
constexpr Field calibrationLow = u16Field("calibration, bits 0-15", 0);
constexpr Field calibrationBit16 = bitField("calibration, bit 16", 2, 0, 1);
constexpr Field calibrationDirection = bitField("calibration direction", 2, 1, 1);
constexpr uint32_t kCalibrationMax = 131071;
constexpr Field batteryType = bitField("battery type", 4, 0, 1);
constexpr Field modemFirmwareUpdate = bitField("modem firmware update allowed", 5, 0, 1);
constexpr Field keyCrcCheckOff = bitField("touch-memory CRC check off", 6, 0, 1);
} // namespace systemParameters

// --- Control phone list records (never edited, only their check byte is computed) ---
constexpr RecordArray phoneRecords{5360, 36, 500};
namespace phoneRecord {
constexpr Field check = u8Field("check byte", 32);
}

// Every record type with its declared fields.
std::span<const RecordLayout> records();

} // namespace layout
} // namespace vrm
