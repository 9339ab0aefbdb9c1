#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap::win32 {

// What the program's entry needs of the Windows backend, without <windows.h>.
std::unique_ptr<platform::application> CreateWin32Application();
std::unique_ptr<platform::system> CreateWin32System();
// The program's command-line arguments after its own name, in CP1251; a character with no
// CP1251 form arrives as '?'.
std::vector<std::string> CommandLineArguments();

}  // namespace quillmap::win32
