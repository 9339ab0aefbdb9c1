#pragma once

#include <cstdint>
#include <span>

#include "platform/geometry.h"

namespace quillmap {

// Paints with fill every pixel reached from start by steps up, down, left and right without
// crossing a pixel of the border colour, as a paint program's bucket bounded by a colour does.
// Pixels are rows top-down, size.width to a row. Nothing happens when start lies outside the
// picture or on the border colour, or when there are fewer pixels than the size needs.
void FloodFill(std::span<uint32_t> pixels, platform::extent size, platform::point start, uint32_t border,
               uint32_t fill);

}  // namespace quillmap
