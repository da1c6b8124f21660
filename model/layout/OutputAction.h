#pragma once
// The output/action byte: where one event drives one output, the output
// number (0-6: relay 1, relay 2, output 1-5) in bits 0-2 and the action
// (0 none, 1 on, 2 off, 3-16 scenario 1-14) in bits 3-7.

#include "model/layout/Declare.h"

namespace vrm::layout::outputAction {
struct Record {
    static constexpr std::size_t size = 1;
    static constexpr std::string_view title = QT_TRANSLATE_NOOP("Ui", "Реакция");
};
#define VRM_OUTPUT_ACTION_FIELDS(F)                            \
    F(output, bits(0, 0, 3), QT_TRANSLATE_NOOP("Ui", "Выход"), list(lists::outputs)) \
    F(action, bits(0, 3, 5), QT_TRANSLATE_NOOP("Ui", "Действие"), list(lists::actions))
VRM_DECLARE_FIELDS(VRM_OUTPUT_ACTION_FIELDS)
#undef VRM_OUTPUT_ACTION_FIELDS
} // namespace vrm::layout::outputAction
