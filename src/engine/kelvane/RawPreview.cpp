#include "engine/kelvane/RawPreview.h"

namespace kelvane {

bool RawPreview::isValid() const
{
    if (data.isEmpty() || orientation < 1 || orientation > 8)
        return false;
    if (format == Format::encoded)
        return true;
    return width > 0 && height > 0 && stride >= width * 3
           && qint64(stride) * (height - 1) + qint64(width) * 3 <= data.size();
}

} // namespace kelvane
