#include "ui/pages/io/inputs/InputsPages.h"

#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/InputsCommonPage.h"
#include "ui/pages/io/inputs/ProfilePages.h"

namespace vrm {

std::vector<std::unique_ptr<PageGroup>> createInputsPages(PageHost& host)
{
    std::vector<std::unique_ptr<PageGroup>> groups;
    groups.push_back(std::make_unique<InputsCommonPage>(host));
    groups.push_back(std::make_unique<InputPages>(host));
    groups.push_back(std::make_unique<ProfilesCommonPage>(host));
    groups.push_back(std::make_unique<ProfilePages>(host));
    return groups;
}

} // namespace vrm
