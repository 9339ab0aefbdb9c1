#pragma once

#include <memory>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap::win32 {

// What the program's entry needs of the Windows backend, without <windows.h>.
std::unique_ptr<platform::application> CreateWin32Application();
std::unique_ptr<platform::system> CreateWin32System();

}  // namespace quillmap::win32
