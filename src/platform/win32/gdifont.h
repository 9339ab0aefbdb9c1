#pragma once

#include "platform/canvas.h"
#include "platform/win32/gdiobject.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// The program's font description and GDI's, both ways; the colour is not GDI's and is kept.
LOGFONTW LogFontOf(const platform::fontspec& font);
platform::fontspec FontSpecOf(const LOGFONTW& logfont, platform::colour textcolour);

// A GDI font as the program describes it; empty when GDI refuses.
fonthandle MakeFont(const platform::fontspec& font);

}  // namespace quillmap::win32
