#pragma once

#include <cstdint>

namespace quillmap {

// The margin kept around the view on one axis: the setting, unless the window is too small to
// keep it twice, when it shrinks to half of what is available (one less for a negative space).
int32_t EffectiveMargin(int32_t available, int32_t setting);

}  // namespace quillmap
