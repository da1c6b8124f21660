#pragma once
// The input and profile page groups: inputs common (20), inputs 1-8 (21-28),
// profiles common (38) and profiles 1-8 (39-46).

#include <memory>
#include <vector>

#include "ui/pages/PageGroup.h"

namespace vrm {

class PageHost;

std::vector<std::unique_ptr<PageGroup>> createInputsPages(PageHost& host);

} // namespace vrm
