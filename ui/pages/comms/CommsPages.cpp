#include "ui/pages/comms/CommsPages.h"

#include "ui/pages/comms/CommonParametersPage.h"
#include "ui/pages/comms/ConnectionPages.h"
#include "ui/pages/comms/GprsPage.h"
#include "ui/pages/comms/ServerPages.h"
#include "ui/pages/comms/SystemParametersPage.h"

namespace vrm {

std::vector<std::unique_ptr<PageGroup>> createCommsPages(PageHost& host)
{
    std::vector<std::unique_ptr<PageGroup>> groups;
    groups.push_back(std::make_unique<CommonParametersPage>(host));
    groups.push_back(std::make_unique<ConnectionPages>(host));
    groups.push_back(std::make_unique<GprsPage>(host));
    groups.push_back(std::make_unique<ServerPages>(host));
    groups.push_back(std::make_unique<SystemParametersPage>(host));
    return groups;
}

} // namespace vrm
