#pragma once
// Raw 12-bit input readings and thresholds (0-4095) as the installer reads them:
// volts or percent of the 10 V input range, user units of an analogue sensor, or
// degrees of a temperature probe. Shared by the input pages and the profile pages.

#include <QString>
#include <optional>

namespace vrm {

constexpr int kRawMax = 4095;

// Input type, the item index of "Тип входа".
namespace inputtype {
constexpr int disabled = 0;
constexpr int discrete = 1;
constexpr int analogue = 2;
constexpr int ts41 = 3; // resistive probe, fixed integer characteristic
constexpr int ts42 = 4; // probe with a user scale, -50 to 150 degrees by default
} // namespace inputtype

// User-unit values that raw 0 and raw 4095 stand for.
struct UserScale {
    double min = 0.0;
    double max = 10.0;
};

// Unit of a disabled or discrete input's value on its own page.
enum class DiscreteUnit { Volts, Percent };

double rawToVolts(int raw);
double rawToPercent(int raw);
double rawToUserUnits(int raw, UserScale scale);
// The probe's integer characteristic, in hundredths of a degree (division
// truncates toward zero, as the controller computes it).
int ts41Hundredths(int raw);
double rawToTs41Degrees(int raw);

// Label text of `raw` for an input of type `type` on the input page; nullopt for
// a type the page does not know (the label then keeps its text).
std::optional<QString> inputPageValueText(int type, int raw, UserScale scale, DiscreteUnit unit);

// Label text of `raw` on a profile page, where disabled and discrete inputs read
// in volts; nullopt for a type outside 0-4.
std::optional<QString> profileValueText(int type, int raw, UserScale scale);

} // namespace vrm
