#pragma once
// The page groups of the perimeters with their key table (16-19) and of the
// clock and task scheduler (14).

#include <memory>
#include <vector>

#include "ui/pages/PageGroup.h"

namespace vrm {

class PageHost;

std::vector<std::unique_ptr<PageGroup>> createPerimeterAndClockPages(PageHost& host);

} // namespace vrm
