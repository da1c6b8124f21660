#pragma once
// The communication page groups: common parameters (1), connections (2-9),
// GPRS common parameters (10), servers (11-13) and system parameters (47).

#include <memory>
#include <vector>

#include "ui/pages/PageGroup.h"

namespace vrm {

class PageHost;

std::vector<std::unique_ptr<PageGroup>> createCommsPages(PageHost& host);

} // namespace vrm
