#pragma once

#include <string>
#include <string_view>

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A window's text as the program keeps it: CP1251.
std::string WindowText(HWND window);
void SetWindowText(HWND window, std::string_view text);

}  // namespace quillmap::win32
