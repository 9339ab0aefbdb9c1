#include "platform/win32/win32application.h"

#include <system_error>

#include "platform/win32/winapi.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/eventguard.h"
#include "platform/win32/faultguard.h"
#include "platform/win32/textcodec.h"
#include "platform/win32/win32filedialog.h"
#include "platform/win32/win32fontdialog.h"
#include "platform/win32/win32library.h"
#include "platform/win32/win32printjob.h"

#include "platform/win32/win32bitmap.h"
#include "platform/win32/win32pixelsurface.h"
#include "platform/win32/win32dialogform.h"
#include "platform/win32/win32menu.h"
#include "platform/win32/win32window.h"
#include "platform/win32/windowtext.h"

namespace quillmap::win32 {

namespace {

constexpr wchar_t ApplicationClassName[] = L"QuillmapApplication";
// The application object lives in the window's extra bytes.
constexpr int OwnerSlot = 0;
constexpr UINT PostedTaskMessage = WM_APP + 1;

std::system_error LastError(const char* what) {
    return std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

HWND CreateApplicationWindow(WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const ATOM registered = [&] {
        WNDCLASSEXW application{};
        application.cbSize = sizeof application;
        application.lpfnWndProc = procedure;
        application.cbWndExtra = sizeof(LONG_PTR);
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

win32application::win32application() : window_(CreateApplicationWindow(&win32application::Procedure)) {
    SetWindowLongPtrW(Handle(), OwnerSlot, reinterpret_cast<LONG_PTR>(this));
    // The status bar's and the check lists' window classes come from the common controls.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

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
    const HWND owner = form.owner ? static_cast<const win32window&>(*form.owner).Handle() : Handle();
    return std::make_unique<win32window>(form, events, owner);
}

std::unique_ptr<platform::bitmap> win32application::CreateBitmap(platform::extent size) {
    return std::make_unique<win32bitmap>(size);
}

std::unique_ptr<platform::pixelsurface> win32application::CreatePixelSurface(platform::extent size) {
    return win32pixelsurface::Make(size);
}

std::unique_ptr<platform::menu> win32application::CreateMenu(platform::menukind kind) {
    return std::make_unique<platform::menu>(std::make_unique<win32menu>(kind));
}

std::unique_ptr<platform::dialogform> win32application::CreateDialogForm(std::string_view caption,
                                                                         platform::dialogevents& events) {
    return std::make_unique<win32dialogform>(caption, events, Handle());
}

bool win32application::ChooseFile(platform::filedialog& dialog) {
    return RunFileDialog(dialog, GetActiveWindow());
}

bool win32application::ChooseFont(platform::fontspec& font) { return RunFontDialog(font, GetActiveWindow()); }

bool win32application::ChooseColour(platform::colour& chosen, std::span<const platform::colour> custom) {
    return RunColourDialog(chosen, custom, GetActiveWindow());
}

bool win32application::BringForwardOtherWindow(std::string_view caption, uint32_t identity,
                                               const platform::window& self) {
    const HWND own = static_cast<const win32window&>(self).Handle();
    const std::string marked = "* " + std::string(caption);
    for (HWND other = GetWindow(Handle(), GW_HWNDFIRST); other != nullptr; other = GetWindow(other, GW_HWNDNEXT)) {
        if (other == own || other == Handle() || GetWindow(other, GW_OWNER) != nullptr) continue;
        // The whole caption, however long: a file's long name must still find its window.
        const std::string text = WindowText(other);
        if (text.empty() || (text != caption && text != marked)) continue;
        if (static_cast<uint32_t>(GetWindowLongPtrW(other, GWLP_USERDATA)) != identity) continue;
        ShowWindow(other, SW_SHOWNORMAL);
        SetForegroundWindow(other);
        return true;
    }
    return false;
}

std::string win32application::ExecutablePath() const {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return Cp1251FromWide(path);
}

std::string win32application::ProgramFolder() const {
    const std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\/") == std::string::npos ? 0 : path.find_last_of("\\/"));
}

bool win32application::HasPrinter() { return PrinterInstalled(); }

bool win32application::ChoosePrint(platform::printrequest& request) {
    if (printer_) DeleteDC(std::exchange(printer_, nullptr));
    return RunPrintDialog(request, GetActiveWindow(), printer_);
}

std::unique_ptr<platform::printjob> win32application::StartPrintJob(std::string_view title) {
    if (!printer_) throw std::runtime_error("no printer chosen");
    return std::make_unique<win32printjob>(std::exchange(printer_, nullptr), title);
}

void win32application::ShowError(std::string_view text) {
    const std::wstring message = WideFromCp1251(text);
    const std::wstring title = WideFromCp1251(Title());
    MessageBoxW(GetActiveWindow(), message.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void win32application::OpenWithShell(std::string_view target, std::string_view folder) {
    const std::wstring file = WideFromCp1251(target);
    const std::wstring directory = WideFromCp1251(folder);
    ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, directory.empty() ? nullptr : directory.c_str(), SW_SHOW);
}

LRESULT CALLBACK win32application::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == PostedTaskMessage) {
        if (auto* self = reinterpret_cast<win32application*>(GetWindowLongPtrW(window, OwnerSlot)))
            platform::DeliverEvent([self] { self->RunPostedTask(); });
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

std::vector<std::string> win32application::FindLibraries(std::string_view folder) { return FindLibraryFiles(folder); }

std::unique_ptr<platform::library> win32application::OpenLibrary(std::string_view path) { return LoadLibraryFile(path); }

bool win32application::CallGuarded(const std::function<void()>& call) { return RunGuarded(call); }

void win32application::Post(std::function<void()> task) {
    posted_.push_back(std::move(task));
    PostMessageW(Handle(), PostedTaskMessage, 0, 0);
}

void win32application::RunPostedTask() {
    if (posted_.empty()) return;
    const std::function<void()> task = std::move(posted_.front());
    posted_.pop_front();
    task();
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
