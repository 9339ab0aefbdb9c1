#pragma once

#include <cstddef>

#include "platform/canvas.h"
#include "views/navigatoroutline.h"

namespace quillmap {

inline constexpr platform::colour NavigatorLines = platform::Rgb(192, 192, 192);
inline constexpr platform::colour NavigatorFrame = platform::Rgb(128, 128, 128);
inline constexpr platform::colour NavigatorOpenBar = platform::Rgb(255, 0, 0);
inline constexpr platform::colour NavigatorClosedPlus = platform::Rgb(0, 128, 0);
inline constexpr platform::colour NavigatorHover = platform::Rgb(0, 0, 128);

// What the navigator shows of its outline: the scroll position, the size of the picture, the
// font and the row whose title is under the mouse (the row count for none).
struct outlineview {
    platform::point scroll;
    platform::extent visible;
    platform::fontspec font;
    size_t hover = 0;
};

// Clears the picture, draws the rows that reach into it with their boxes and connecting lines,
// the hovered title underlined, and a frame around it all.
void DrawOutline(platform::canvas& surface, const navigatoroutline& outline, const outlineview& view);

}  // namespace quillmap
