#pragma once

#include "platform/canvas.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// ChooseFont owned by the given window, starting with the font given; true when the user chose
// one, which is then in it.
bool RunFontDialog(platform::fontspec& font, HWND owner);

// ChooseColor owned by the given window, starting with the colour given, which is also the
// first custom colour; a colour of the system's scheme starts as what it shows now.
bool RunColourDialog(platform::colour& chosen, HWND owner);

}  // namespace quillmap::win32
