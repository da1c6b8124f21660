#include "model/InputLiveValue.h"

#include "model/InputScale.h"
#include "model/Layout.h"
#include "model/UiText.h"

namespace vrm {

InputLiveValue inputLiveValue(const ConfigImage& image, int input, int raw)
{
    const auto record = layout::inputs[std::size_t(std::clamp(input, 1, 8) - 1)];
    const UserScale scale{image.real(record, layout::input::minimum), image.real(record, layout::input::maximum)};
    switch (int(image.get(record, layout::input::sensorType))) {
    case inputtype::analogue: return {rawToUserUnits(raw, scale), Ui::tr("ед.")};
    case inputtype::ts41: return {rawToTs41Degrees(raw), QStringLiteral("°C")};
    case inputtype::ts42: return {rawToUserUnits(raw, scale), QStringLiteral("°C")};
    default: return {rawToVolts(raw), Ui::tr("В")};
    }
}

} // namespace vrm
