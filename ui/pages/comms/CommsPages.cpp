#include "ui/pages/comms/CommsPages.h"

namespace vrm {

std::vector<std::unique_ptr<PageGroup>> createCommsPages(PageHost& /*host*/)
{
    std::vector<std::unique_ptr<PageGroup>> groups;
    return groups;
}

} // namespace vrm
