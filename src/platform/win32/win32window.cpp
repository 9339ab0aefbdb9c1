#include "platform/win32/win32window.h"

#include <system_error>

#include "platform/eventguard.h"
#include "platform/win32/dchandle.h"
#include "platform/win32/gdicanvas.h"
#include "platform/win32/win32controls.h"
#include "platform/win32/textcodec.h"
#include "platform/win32/win32menu.h"
#include "platform/win32/windowtext.h"

namespace quillmap::win32 {

namespace {

constexpr wchar_t FormClassName[] = L"QuillmapForm";
// The window's own object lives in the class's extra bytes: the user data is the document's
// identity, which other running copies read.
constexpr int OwnerSlot = 0;

std::system_error LastError(const char* what) {
    return std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// The shift keys held as a key message is handled, as shiftbit values.
uint8_t HeldShiftKeys() {
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return static_cast<uint8_t>((held(VK_SHIFT) ? platform::ssShift : 0) | (held(VK_MENU) ? platform::ssAlt : 0) |
                                (held(VK_CONTROL) ? platform::ssCtrl : 0));
}

// One class for every form: the background differs from form to form, so each window erases
// with its own brush rather than the class's.
void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
    static const ATOM registered = [&] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        form.lpfnWndProc = procedure;
        form.cbWndExtra = sizeof(LONG_PTR);
        form.hInstance = instance;
        form.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.lpszClassName = FormClassName;
        return RegisterClassExW(&form);
    }();
    if (registered == 0) {
        throw LastError("RegisterClassExW");
    }
}

}  // namespace

win32window::win32window(const platform::formdesign& form, platform::windowevents& events, HWND owner)
    : events_(events),
      background_(CreateSolidBrush(form.background)),
      minimum_(form.minimum),
      popup_(form.kind == platform::formkind::popup) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterFormClass(instance, &win32window::Procedure);

    // The main window stands alone with its own taskbar button; the others belong to the
    // application window and cannot be minimised on their own.
    DWORD style = form.mainwindow ? WS_OVERLAPPEDWINDOW : (WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX);
    DWORD exstyle = form.mainwindow ? WS_EX_APPWINDOW : 0;
    if (form.kind == platform::formkind::toolwindow) {
        style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
        exstyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    } else if (form.kind == platform::formkind::popup) {
        style = WS_POPUP;
        exstyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    }
    RECT frame{0, 0, form.client.width, form.client.height};
    AdjustWindowRectEx(&frame, style, FALSE, exstyle);

    const std::wstring caption = WideFromCp1251(form.caption);
    HWND made = CreateWindowExW(exstyle, FormClassName, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top,
                                form.mainwindow ? nullptr : owner, nullptr, instance, this);
    if (made == nullptr) {
        throw LastError("CreateWindowExW");
    }
    handle_ = windowhandle(made);
    ready_ = true;
}

win32window::~win32window() {
    Disconnect();
    // Detached first, so that the messages DestroyWindow sends no longer reach this object, and
    // the menu bar is left to its owner rather than destroyed with the window.
    if (Handle() != nullptr) {
        SetWindowLongPtrW(Handle(), OwnerSlot, 0);
        SetMenu(Handle(), nullptr);
    }
}

void win32window::SetCaption(std::string_view caption) { SetWindowText(Handle(), caption); }

std::string win32window::Caption() const { return WindowText(Handle()); }

platform::extent win32window::ClientSize() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return {client.right - client.left, client.bottom - client.top};
}

void win32window::Show() { ShowWindow(Handle(), popup_ ? SW_SHOWNA : SW_SHOW); }

void win32window::Hide() { ShowWindow(Handle(), SW_HIDE); }

bool win32window::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

platform::rect win32window::Bounds() const {
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    return {bounds.left, bounds.top, bounds.right, bounds.bottom};
}

void win32window::SetBounds(const platform::rect& bounds) {
    SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void win32window::Invalidate() { InvalidateRect(Handle(), nullptr, TRUE); }

void win32window::SetUserData(uint32_t value) { SetWindowLongPtrW(Handle(), GWLP_USERDATA, static_cast<LONG_PTR>(value)); }

std::unique_ptr<platform::scrollbar> win32window::CreateScrollBar(platform::scrollaxis axis) {
    return std::make_unique<win32scrollbar>(Handle(), axis);
}

std::unique_ptr<platform::statusbar> win32window::CreateStatusBar() {
    return std::make_unique<win32statusbar>(Handle());
}

void win32window::StartTimer(int32_t id, int32_t milliseconds) {
    SetTimer(Handle(), static_cast<UINT_PTR>(id), static_cast<UINT>(milliseconds), nullptr);
}

void win32window::StopTimer(int32_t id) { KillTimer(Handle(), static_cast<UINT_PTR>(id)); }

void win32window::Present(const platform::bitmap& picture, const platform::rect& area) {
    const windowdc screen(Handle());
    gdicanvas(screen.Get()).CopyFrom(picture, area);
}

void win32window::SetMenuBar(platform::menu* bar) {
    if (menubar_ != nullptr) static_cast<win32menu&>(*menubar_->Peer()).AttachTo(nullptr);
    menubar_ = bar;
    if (bar != nullptr) static_cast<win32menu&>(*bar->Peer()).AttachTo(Handle());
    // Before the window is shown the menu bar takes its rows from the window, not from the
    // client area the window was made for; a window on the screen keeps its place and size.
    const platform::extent client = ClientSize();
    SetMenu(Handle(), bar != nullptr ? MenuHandle(*bar) : nullptr);
    if (Visible()) return;
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), bar != nullptr ? TRUE : FALSE,
                       static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void win32window::PopupMenu(platform::menu& popup, platform::point screen) {
    // A menu opened for a window that is not in front would not close on a click elsewhere; the
    // message posted after it lets the menu close on the next click even then.
    SetForegroundWindow(Handle());
    const auto command = static_cast<UINT>(TrackPopupMenu(MenuHandle(popup), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                                          screen.y, 0, Handle(), nullptr));
    PostMessageW(Handle(), WM_NULL, 0, 0);
    if (platform::menuitem* chosen = popup.FindCommand(static_cast<uint16_t>(command))) chosen->Click();
}

LRESULT CALLBACK win32window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, OwnerSlot, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<win32window*>(GetWindowLongPtrW(window, OwnerSlot));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    LRESULT result = 0;
    if (platform::DeliverEvent([&] { result = self->Handle(window, message, wparam, lparam); })) return result;
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT win32window::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (LRESULT result = 0; ready_ && (HandleInput(message, wparam, lparam, result) ||
                                       HandleFrame(message, wparam, lparam, result)))
        return result;
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        ::FillRect(reinterpret_cast<HDC>(wparam), &client, background_.Get());
        return 1;
    }
    case WM_PAINT:
        if (ready_) {
            const paintdc paint(window);
            gdicanvas surface(paint.Get());
            events_.OnPaint(surface);
            return 0;
        }
        break;
    case WM_SIZE:
        if (ready_) {
            events_.OnResize({LOWORD(lparam), HIWORD(lparam)});
            return 0;
        }
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (ready_ && lparam != 0) {
            const HWND control = reinterpret_cast<HWND>(lparam);
            // A clicked scroll bar takes the keys and blinks its thumb; they stay with the window.
            if (GetFocus() == control) SetFocus(Handle());
            if (win32scrollbar* bar = win32scrollbar::Of(control)) {
                const int32_t position = bar->Requested(LOWORD(wparam));
                events_.OnScroll(bar->Axis(), position);
            }
            return 0;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (ready_) {
            events_.OnKeyDown(static_cast<uint16_t>(wparam), HeldShiftKeys());
            // Alt and F10 still open the menu bar.
            if (message == WM_SYSKEYDOWN) break;
            return 0;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (ready_) events_.OnKeyUp(static_cast<uint16_t>(wparam), HeldShiftKeys());
        break;
    case WM_ACTIVATE:
        if (ready_) events_.OnActivate(LOWORD(wparam) != WA_INACTIVE);
        break;
    case WM_TIMER:
        if (ready_) {
            events_.OnTimer(static_cast<int32_t>(wparam));
            return 0;
        }
        break;
    case WM_GETMINMAXINFO: {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lparam);
        if (minimum_.width > 0) limits.ptMinTrackSize.x = minimum_.width;
        if (minimum_.height > 0) limits.ptMinTrackSize.y = minimum_.height;
        return 0;
    }
    case WM_CLOSE:
        // The owner decides whether the window goes; DefWindowProc would destroy it here.
        if (ready_) {
            events_.OnClose();
        }
        return 0;
    case WM_COMMAND:
        // A menu bar item chosen; controls name themselves in lparam, accelerators in the high word.
        if (ready_ && lparam == 0 && HIWORD(wparam) == 0 && menubar_ != nullptr) {
            if (platform::menuitem* chosen = menubar_->FindCommand(LOWORD(wparam))) {
                chosen->Click();
                return 0;
            }
        }
        break;
    case WM_ENTERMENULOOP:
        if (ready_) {
            events_.OnEnterMenuLoop();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        // Destroyed with its owner window, or by this object: either way no more messages for us.
        SetWindowLongPtrW(window, OwnerSlot, 0);
        handle_.Forget();
        ready_ = false;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace quillmap::win32
