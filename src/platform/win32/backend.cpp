#include "platform/win32/backend.h"

#include "platform/win32/win32application.h"
#include "platform/win32/win32system.h"

namespace quillmap::win32 {

std::unique_ptr<platform::application> CreateWin32Application() { return std::make_unique<win32application>(); }

std::unique_ptr<platform::system> CreateWin32System() { return std::make_unique<win32system>(); }

}  // namespace quillmap::win32
