#pragma once

#include "platform/geometry.h"

namespace quillmap {

// Where a popup of the given size goes: centred on the mouse (halves rounded down), then moved
// left or up to end within the work area, then right or down onto its left or top edge. A popup
// larger than the work area is cut to it.
platform::rect PlacePopup(platform::point mouse, platform::extent size, const platform::rect& workarea);

}  // namespace quillmap
