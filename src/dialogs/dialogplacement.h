#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace quillmap {

// Where the program's dialogs open: at the mouse, or centred over the main window. Coordinates
// are the screen's.

// A top left corner kept to the work area: not left of 0 nor past its right edge, and above the
// pointer (at mousey) when the window would reach below the work area.
platform::point KeepInWorkArea(platform::point at, platform::extent window, const platform::rect& workarea,
                               int32_t mousey);

// Centred across the pointer with its top there, then kept to the work area.
platform::point PlaceAtMouse(platform::point mouse, platform::extent window, const platform::rect& workarea);

// Centred across the pointer with its top just below it, or its bottom just above it when it
// would reach below the screen; kept within the screen's width, and never above its top.
platform::point PlaceBesideMouse(platform::point mouse, platform::extent window, platform::extent screen);

// Centred over the owner, then moved back onto the screen where it would stick out.
platform::point CentreOver(const platform::rect& owner, platform::extent window, platform::extent screen);

}  // namespace quillmap
