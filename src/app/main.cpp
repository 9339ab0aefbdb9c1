// The exe's entry: the Windows backend under the program's start-up.
#include "app/startup.h"
#include "platform/win32/backend.h"

namespace {

int Start() {
    const auto app = quillmap::win32::CreateWin32Application();
    const auto system = quillmap::win32::CreateWin32System();
    return quillmap::RunProgram(*app, *system, quillmap::win32::CommandLineArguments());
}

}  // namespace

#ifdef _MSC_VER
// MSVC enters a WIN32 exe through WinMain; the handle types are spelt out to keep <windows.h> away.
int __stdcall WinMain(struct HINSTANCE__*, struct HINSTANCE__*, char*, int) { return Start(); }
#else
// MinGW's -mwindows start-up calls main.
int main() { return Start(); }
#endif
