#include "ui/pages/kit/CachedHeightLabel.h"

namespace vrm::kit {

int CachedHeightLabel::heightForWidth(int width) const
{
    const Key key{width, text(), font(), contentsMargins(), alignment(), margin(), indent()};
    if (height_ < 0 || !(key == key_)) {
        height_ = QLabel::heightForWidth(width);
        key_ = key;
    }
    return height_;
}

} // namespace vrm::kit
