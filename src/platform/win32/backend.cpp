#include "platform/win32/backend.h"

#include "platform/win32/textcodec.h"
#include "platform/win32/win32application.h"
#include "platform/win32/win32system.h"
#include "platform/win32/winapi.h"

#include <shellapi.h>

namespace quillmap::win32 {

std::unique_ptr<platform::application> CreateWin32Application() { return std::make_unique<win32application>(); }

std::unique_ptr<platform::system> CreateWin32System() { return std::make_unique<win32system>(); }

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Cp1251FromWide(words[i]));
    LocalFree(words);
    return arguments;
}

}  // namespace quillmap::win32
