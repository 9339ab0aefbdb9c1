#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace quillmap {

inline constexpr platform::extent AboutPictureSize{105, 121};
// The picture's outlines, which also bound its background.
inline constexpr uint32_t AboutOutlinePixel = 0x00000000;
// Where the background is repainted from: two pixels in from the top right corner.
inline constexpr platform::point AboutFillStart{AboutPictureSize.width - 3, 2};

// The about box's picture: a quill writing over a framed grid of coloured code cells, every part
// outlined in black on a white background. Pixels 0x00RRGGBB, rows top-down.
std::vector<uint32_t> AboutPicture();

}  // namespace quillmap
