#pragma once

#include <string_view>

#include "platform/canvas.h"

namespace quillmap {

// Enlarges `box` until the text, wrapped in the surface's current font, fits in it: downward while
// the box is wider than TextBlockProportion() times its height, otherwise wider in steps of
// 10 pixels, never beyond the size of `limits`. Text that does not fit even the largest box is cut
// after its last whole line. A box left of or above the limits is moved inside them.
void FitTextBox(platform::rect& box, platform::canvas& surface, const platform::rect& limits, std::string_view text);

}  // namespace quillmap
