#pragma once

#include <span>

#include "platform/canvas.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// ChooseFont owned by the given window, starting with the font given; true when the user chose
// one, which is then in it.
bool RunFontDialog(platform::fontspec& font, HWND owner);

// ChooseColor owned by the given window, starting with the colour given and offering the custom
// colours; a colour of the system's scheme shows as what it is now.
bool RunColourDialog(platform::colour& chosen, std::span<const platform::colour> custom, HWND owner);

}  // namespace quillmap::win32
