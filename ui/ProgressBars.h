#pragma once
// A progress bar ignores a value outside its range and keeps showing the old
// one; readings from the controller (supply, temperature, signal) may lie
// outside. Show them at the nearest end of the range instead.

class QProgressBar;

namespace vrm {

// Sets `bar` to `value` clamped into the bar's range; a null bar is left alone.
void setBarValue(QProgressBar* bar, int value);

} // namespace vrm
