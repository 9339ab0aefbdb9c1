#pragma once

#include <cstdint>

#include "platform/canvas.h"

namespace quillmap {

// A font measured in one device's pixels, for another device: the same size on paper as on the
// screen it was chosen for. A resolution of 0 or less leaves the font as it is.
platform::fontspec FontAtResolution(const platform::fontspec& font, int32_t from, int32_t to);

}  // namespace quillmap
