#include "platform/win32/win32application.h"

#include <system_error>

#include "platform/win32/win32bitmap.h"
#include "platform/win32/win32dialogform.h"
#include "platform/win32/win32menu.h"
#include "platform/win32/win32window.h"
#include "platform/win32/windowtext.h"

namespace quillmap::win32 {

namespace {

constexpr wchar_t ApplicationClassName[] = L"QuillmapApplication";

std::system_error LastError(const char* what) {
    return std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

HWND CreateApplicationWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const ATOM registered = [&] {
        WNDCLASSEXW application{};
        application.cbSize = sizeof application;
        application.lpfnWndProc = DefWindowProcW;
        application.hInstance = instance;
        application.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        application.lpszClassName = ApplicationClassName;
        return RegisterClassExW(&application);
    }();
    if (registered == 0) {
        throw LastError("RegisterClassExW");
    }
    // Never shown and of no size: it exists to own the other forms and to carry the title.
    HWND made = CreateWindowExW(0, ApplicationClassName, L"",
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                                nullptr, nullptr, instance, nullptr);
    if (made == nullptr) {
        throw LastError("CreateWindowExW");
    }
    return made;
}

}  // namespace

win32application::win32application() : window_(CreateApplicationWindow()) {}

void win32application::MakeToolWindow() {
    const LONG exstyle = GetWindowLongW(Handle(), GWL_EXSTYLE);
    SetWindowLongW(Handle(), GWL_EXSTYLE, exstyle | WS_EX_TOOLWINDOW);
}

void win32application::SetTitle(std::string_view title) { SetWindowText(Handle(), title); }

std::string win32application::Title() const { return WindowText(Handle()); }

void win32application::SetHelpFile(std::string_view path) { helpfile_ = path; }

std::string win32application::HelpFile() const { return helpfile_; }

std::unique_ptr<platform::window> win32application::CreateForm(const platform::formdesign& form,
                                                               platform::windowevents& events) {
    return std::make_unique<win32window>(form, events, Handle());
}

std::unique_ptr<platform::bitmap> win32application::CreateBitmap(platform::extent size) {
    return std::make_unique<win32bitmap>(size);
}

std::unique_ptr<platform::menu> win32application::CreateMenu(platform::menukind kind) {
    return std::make_unique<platform::menu>(std::make_unique<win32menu>(kind));
}

std::unique_ptr<platform::dialogform> win32application::CreateDialogForm(std::string_view caption,
                                                                         platform::dialogevents& events) {
    return std::make_unique<win32dialogform>(caption, events, Handle());
}

int win32application::Run() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            throw LastError("GetMessageW");
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void win32application::Terminate() { PostQuitMessage(0); }

}  // namespace quillmap::win32
