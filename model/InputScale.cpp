#include "model/InputScale.h"

#include "model/LenientNumber.h"
#include "model/UiText.h"

namespace vrm {

namespace {

QString voltSuffix()
{
    return u' ' + Ui::tr("В");
}
const QString kPercentSuffix = QStringLiteral(" %");
const QString kDegreeSuffix = QStringLiteral("\u00B0 C"); // "° C"

QString withSuffix(double value, int digits, const QString& suffix)
{
    return generalFormat(value, digits) + suffix;
}

} // namespace

double rawToVolts(int raw) { return 10.0 * raw / kRawMax; }

double rawToPercent(int raw) { return 100.0 * raw / kRawMax; }

double rawToUserUnits(int raw, UserScale scale)
{
    return scale.min + (scale.max - scale.min) * raw / kRawMax;
}

int ts41Hundredths(int raw) { return ((raw & kRawMax) * 1600 - 984100) / 196; }

double rawToTs41Degrees(int raw) { return ts41Hundredths(raw) * 0.01; }

std::optional<QString> inputPageValueText(int type, int raw, UserScale scale, DiscreteUnit unit)
{
    switch (type) {
    case inputtype::disabled:
    case inputtype::discrete:
        return unit == DiscreteUnit::Volts ? withSuffix(rawToVolts(raw), 3, voltSuffix())
                                           : withSuffix(rawToPercent(raw), 3, kPercentSuffix);
    case inputtype::analogue: return generalFormat(rawToUserUnits(raw, scale), 4);
    case inputtype::ts41: return withSuffix(rawToTs41Degrees(raw), 3, kDegreeSuffix);
    case inputtype::ts42: return withSuffix(rawToUserUnits(raw, scale), 4, kDegreeSuffix);
    default: return std::nullopt;
    }
}

std::optional<QString> profileValueText(int type, int raw, UserScale scale)
{
    return inputPageValueText(type, raw, scale, DiscreteUnit::Volts);
}

} // namespace vrm
