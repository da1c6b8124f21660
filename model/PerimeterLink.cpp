#include "model/PerimeterLink.h"

namespace vrm {

PerimeterLink perimeterLink(uint8_t links, int perimeter)
{
    switch ((links >> (2 * (perimeter - 1))) & 3) {
    case 1: return PerimeterLink::Greyed;
    case 2: return PerimeterLink::Checked;
    default: return PerimeterLink::None;
    }
}

uint8_t withPerimeterLink(uint8_t links, int perimeter, PerimeterLink link)
{
    const int shift = 2 * (perimeter - 1);
    return uint8_t((links & ~(3u << shift)) | (unsigned(link) << shift));
}

} // namespace vrm
