#include "platform/pixelsurface.h"

namespace quillmap::platform {

std::optional<uint64_t> PixelSurfaceBytes(extent size) {
    if (size.width < 0 || size.height < 0) return std::nullopt;
    // Both factors are below 2^31, so the product of 64-bit values cannot overflow.
    const uint64_t bytes = uint64_t(size.width) * uint64_t(size.height) * sizeof(uint32_t);
    if (bytes > MaxPixelSurfaceBytes) return std::nullopt;
    return bytes;
}

}  // namespace quillmap::platform
