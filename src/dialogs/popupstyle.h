#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace quillmap {

// The look and timing shared by the popup windows.
inline constexpr platform::extent PopupMargin{5, 5};
inline constexpr platform::colour PopupBackground = platform::Rgb(255, 251, 240);
// The same cream as a pixel of a surface, red in bits 16-23.
inline constexpr uint32_t PopupBackgroundPixel = 0x00FFFBF0;
inline constexpr platform::colour PopupTextColour = platform::Rgb(0, 0, 0);
inline constexpr int32_t PopupFontHeight = 16;
// Ticks of the 20 ms timer over which text and pictures fade in.
inline constexpr int32_t FadeSteps = 10;
inline constexpr int32_t PopupTimer = 1;
inline constexpr int32_t PopupTickMilliseconds = 20;
// Ticks after which the self-closing variant goes.
inline constexpr int32_t OknoZeroLifetime = 200;
// Which text popup the program shows: 0 the self-closing one, 1 the fading one, 2 the ticker.
inline constexpr int32_t PopupStyle = 1;
// Pictures with more pixels than this show at once: blending them anew every tick would keep
// the program from answering the user.
inline constexpr int64_t FadePixelBudget = 4'000'000;

}  // namespace quillmap
