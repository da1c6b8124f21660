#pragma once
// Relays 1-2 and outputs 1-5 (pages 30-36), output numbers 0-6.

#include <array>

#include "model/layout/Declare.h"

namespace vrm::layout {

namespace output {
struct Record {
    static constexpr std::size_t size = 52;
    static constexpr std::string_view title = "Выход %1";
};
// Remote control type: 0 steady level, 1-14 scenario 1-14.
#define VRM_OUTPUT_FIELDS(F)                                                              \
    F(name, text(0, 17), "Название")                                                      \
    F(onText, text(17, 17), "Название активного состояния")                               \
    F(offText, text(34, 17), "Название неактивного состояния")                            \
    F(remoteControlType, bits(51, 0, 5), "Тип коммутации для дистанционного управления")  \
    F(enabled, bits(51, 5, 1), "Разрешен")                                                \
    F(inverted, bits(51, 6, 1), "Инверсия выхода")                                        \
    F(remoteControlAllowed, bits(51, 7, 1), "Разрешено управлять дистанционно")
VRM_DECLARE_FIELDS(VRM_OUTPUT_FIELDS)
#undef VRM_OUTPUT_FIELDS
// Readable names of output numbers 0-6.
inline constexpr std::array<std::string_view, 7> kNames{"Реле 1",  "Реле 2",  "Выход 1", "Выход 2",
                                                        "Выход 3", "Выход 4", "Выход 5"};
} // namespace output
inline constexpr RecordArray<output::Record> outputs{1832, 7, 30, 7};

} // namespace vrm::layout
