#pragma once
// The blocks outside the pages' main records: system parameters (page 47,
// device area 5), the modes memory block, the control phone list and the
// reserved bytes that no page edits.

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace systemParameters {
struct Record {
    static constexpr std::size_t size = 24;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Системные параметры");
};
// Clock calibration: bits 0-16 of the 32-bit word at 5304, the direction in bit 17.
#define VRM_SYSTEM_PARAMETER_FIELDS(F)                                                                     \
    F(calibrationLow, u16(0), QT_TRANSLATE_NOOP("Ui", "Калибровка часов, биты 0-15"))                      \
    F(calibrationBit16, bits(2, 0, 1), QT_TRANSLATE_NOOP("Ui", "Калибровка часов, бит 16"))                \
    F(calibrationDirection, bits(2, 1, 1), QT_TRANSLATE_NOOP("Ui", "Направление калибровки часов"), list(lists::calibrationDirections)) \
    F(batteryType, bits(4, 0, 1), QT_TRANSLATE_NOOP("Ui", "Тип батареи"), list(lists::batteryTypes)) \
    F(modemFirmwareUpdate, bits(5, 0, 1), QT_TRANSLATE_NOOP("Ui", "Разрешить обновление прошивки модема")) \
    F(keyCrcCheckOff, bits(6, 0, 1), QT_TRANSLATE_NOOP("Ui", "Отключить проверку CRC ключей TouchMemory"))
VRM_DECLARE_FIELDS(VRM_SYSTEM_PARAMETER_FIELDS)
#undef VRM_SYSTEM_PARAMETER_FIELDS
inline constexpr uint32_t kCalibrationMax = 131071;
} // namespace systemParameters
inline constexpr RecordArray<systemParameters::Record> systemParameterBlock{5304, 1, 47, 1};

// Bytes carried as they are: one record type per reserved area.
#define VRM_RESERVED_AREA(space, bytes, name)                                                   \
    namespace space {                                                                           \
    struct Record {                                                                             \
        static constexpr std::size_t size = bytes;                                              \
        static constexpr std::string_view title = name;                                         \
    };                                                                                          \
    inline constexpr auto content = declareField<Record>("content", name, decl::raw(0, bytes)); \
    inline constexpr ::vrm::FieldInfo fields[] = {content.info};                                \
    inline constexpr ::vrm::RecordInfo record{Record::title, Record::size, fields};             \
    constexpr const ::vrm::RecordInfo* recordInfo(const Record*) { return &record; }            \
    }

VRM_RESERVED_AREA(reserved3072, 15, QT_TRANSLATE_NOOP("Ui", "Служебные байты 3072-3086"))
VRM_RESERVED_AREA(reserved3291, 1, QT_TRANSLATE_NOOP("Ui", "Служебный байт 3291"))
VRM_RESERVED_AREA(modes, 10, QT_TRANSLATE_NOOP("Ui", "Память режимов"))
VRM_RESERVED_AREA(gap, 2, QT_TRANSLATE_NOOP("Ui", "Промежуток 5302-5303"))
VRM_RESERVED_AREA(phoneListHeader, 32, QT_TRANSLATE_NOOP("Ui", "Заголовок списка телефонов управления"))
#undef VRM_RESERVED_AREA

inline constexpr RecordArray<reserved3072::Record> reserved3072Block{3072};
inline constexpr RecordArray<reserved3291::Record> reserved3291Block{3291};
inline constexpr RecordArray<modes::Record> modesBlock{5292};
inline constexpr RecordArray<gap::Record> gapBlock{5302};
inline constexpr RecordArray<phoneListHeader::Record> phoneListHeaderBlock{5328};

// Control phone list records: never edited; only their check byte is computed.
namespace phoneRecord {
struct Record {
    static constexpr std::size_t size = 36;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Телефон управления %1");
};
#define VRM_PHONE_RECORD_FIELDS(F)                                \
    F(data, raw(0, 32), QT_TRANSLATE_NOOP("Ui", "Данные"))        \
    F(check, u8(32), QT_TRANSLATE_NOOP("Ui", "Контрольный байт")) \
    F(tail, raw(33, 3), QT_TRANSLATE_NOOP("Ui", "Данные (окончание)"))
VRM_DECLARE_FIELDS(VRM_PHONE_RECORD_FIELDS)
#undef VRM_PHONE_RECORD_FIELDS
} // namespace phoneRecord
inline constexpr RecordArray<phoneRecord::Record> phoneRecords{5360, 500};

} // namespace vrm::layout
