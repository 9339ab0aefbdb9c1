#pragma once

#include <string_view>

#include "platform/canvas.h"

namespace quillmap {

// Running text in a rectangle, wrapped to its width in the surface's current font. A line that
// would reach the bottom edge is not drawn, and neither is anything after it.

// The lines centred one by one, the block centred vertically; a hyphen may end a line on its own.
void DrawTextInRect(const platform::rect& area, platform::canvas& surface, std::string_view text);
// The lines left-aligned from the top left corner.
void DrawWrapped(const platform::rect& area, platform::canvas& surface, std::string_view text);
// The lines left-aligned as a block that is centred by its widest line, from the top.
void DrawWrappedCentred(const platform::rect& area, platform::canvas& surface, std::string_view text);

}  // namespace quillmap
