#include "ui/ProgressBars.h"

#include <QProgressBar>
#include <algorithm>

namespace vrm {

void setBarValue(QProgressBar* bar, int value)
{
    if (!bar)
        return;
    bar->setValue(std::clamp(value, bar->minimum(), std::max(bar->minimum(), bar->maximum())));
}

} // namespace vrm
