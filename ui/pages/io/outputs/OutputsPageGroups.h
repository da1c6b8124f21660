#pragma once
// The output page groups: power, temperature, indication and tamper (15),
// outputs and relays (29-36) and the control scenarios (37).

#include <memory>
#include <vector>

#include "ui/pages/PageGroup.h"

namespace vrm {

class PageHost;

std::vector<std::unique_ptr<PageGroup>> createOutputsPageGroups(PageHost& host);

} // namespace vrm
