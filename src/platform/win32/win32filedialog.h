#pragma once

#include "platform/commondialogs.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// GetOpenFileName or GetSaveFileName, owned by the given window.
bool RunFileDialog(platform::filedialog& dialog, HWND owner);

}  // namespace quillmap::win32
