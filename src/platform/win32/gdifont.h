#pragma once

#include "platform/canvas.h"
#include "platform/win32/gdiobject.h"

namespace quillmap::win32 {

// A GDI font as the program describes it; empty when GDI refuses.
fonthandle MakeFont(const platform::fontspec& font);

}  // namespace quillmap::win32
