#pragma once

#include <cstdint>
#include <optional>

#include "platform/geometry.h"

namespace quillmap::platform {

// An off-screen picture whose pixels the program writes itself: 32-bit values 0x00RRGGBB (red in
// bits 16-23, blue in the low byte), rows top-down, Size().width pixels to a row.
class pixelsurface {
public:
    virtual ~pixelsurface() = default;
    virtual extent Size() const = 0;
    virtual uint32_t* Pixels() = 0;
    virtual const uint32_t* Pixels() const = 0;
};

// A plain colour (not one of the system's scheme) as a pixel of a surface.
constexpr uint32_t PixelOf(colour rgb) {
    return ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

// The most one surface may take: an image of up to 65535 x 65535 pixels would need 16 GiB.
inline constexpr uint64_t MaxPixelSurfaceBytes = uint64_t{1} << 30;

// The bytes a surface of this size takes, counted without overflow; none for a negative size or
// one past MaxPixelSurfaceBytes, which no backend tries to make.
std::optional<uint64_t> PixelSurfaceBytes(extent size);

}  // namespace quillmap::platform
