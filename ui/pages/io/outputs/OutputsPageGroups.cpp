#include "ui/pages/io/outputs/OutputsPageGroups.h"

#include "ui/pages/io/outputs/OutputPages.h"
#include "ui/pages/io/outputs/PowerPage.h"
#include "ui/pages/io/outputs/ScenarioPage.h"

namespace vrm {

std::vector<std::unique_ptr<PageGroup>> createOutputsPageGroups(PageHost& host)
{
    std::vector<std::unique_ptr<PageGroup>> groups;
    groups.push_back(std::make_unique<PowerPage>(host));
    groups.push_back(std::make_unique<OutputPages>(host));
    groups.push_back(std::make_unique<ScenarioPage>(host));
    return groups;
}

} // namespace vrm
