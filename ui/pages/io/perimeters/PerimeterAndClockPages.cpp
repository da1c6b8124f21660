#include "ui/pages/io/perimeters/PerimeterAndClockPages.h"

#include "ui/pages/io/clock/ClockPage.h"
#include "ui/pages/io/perimeters/PerimeterPages.h"

namespace vrm {

std::vector<std::unique_ptr<PageGroup>> createPerimeterAndClockPages(PageHost& host)
{
    std::vector<std::unique_ptr<PageGroup>> groups;
    groups.push_back(std::make_unique<ClockPage>(host));
    groups.push_back(std::make_unique<PerimeterPages>(host));
    return groups;
}

} // namespace vrm
