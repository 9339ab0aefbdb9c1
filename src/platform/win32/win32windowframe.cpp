// The frame of a form and its place among other windows: title bar, topmost band, window
// state, dropped files, the taskbar button's menu and the size grip.
#include "platform/win32/win32window.h"

#include <shellapi.h>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

namespace {

// What the taskbar sends when its button is right-clicked; the default would show the system menu.
constexpr UINT TaskbarMenuMessage = 0x313;
constexpr UINT KeepPlaceFlags = SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE;

struct ownedsearch {
    HWND owner;
    std::vector<uintptr_t> found;
};

BOOL CALLBACK CollectOwnedTopmost(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<ownedsearch*>(search);
    if (GetWindow(window, GW_OWNER) == wanted.owner && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        wanted.found.push_back(reinterpret_cast<uintptr_t>(window));
    return TRUE;
}

std::string DroppedFile(HDROP drop) {
    // No length limit: the name is asked for at its own length.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    const UINT copied = DragQueryFileW(drop, 0, name.data(), length + 1);
    name.resize(copied);
    return Cp1251FromWide(name);
}

}  // namespace

void win32window::ShowTitleBar(bool shown) {
    auto style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
    style = shown ? (style | WS_BORDER) : (style & ~static_cast<DWORD>(WS_BORDER));
    SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(style));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool win32window::TitleBarShown() const { return (GetWindowLongW(Handle(), GWL_STYLE) & WS_BORDER) != 0; }

void win32window::SetTopmost(bool topmost) {
    SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

uint32_t win32window::ShowCommand() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle(), &placement);
    return placement.showCmd;
}

void win32window::SetShowCommand(uint32_t command) { ShowWindow(Handle(), static_cast<int>(command)); }

void win32window::AcceptDroppedFiles(bool accept) { DragAcceptFiles(Handle(), accept ? TRUE : FALSE); }

void win32window::Focus() { SetFocus(Handle()); }

std::vector<uintptr_t> win32window::LowerOwnedTopmost() {
    ownedsearch search{Handle(), {}};
    EnumWindows(&CollectOwnedTopmost, reinterpret_cast<LPARAM>(&search));
    HWND front = GetForegroundWindow();
    for (const uintptr_t window : search.found)
        SetWindowPos(reinterpret_cast<HWND>(window), HWND_NOTOPMOST, 0, 0, 0, 0, KeepPlaceFlags);
    // Those windows leave the band behind the window the user is working in now. With none to
    // lower nothing moves: the window in front may be one of the program's own, just going.
    if (!search.found.empty() && front != nullptr) SetWindowPos(front, HWND_TOP, 0, 0, 0, 0, KeepPlaceFlags);
    return search.found;
}

void win32window::RaiseOwned(const std::vector<uintptr_t>& windows) {
    for (const uintptr_t window : windows)
        if (IsWindow(reinterpret_cast<HWND>(window)))
            SetWindowPos(reinterpret_cast<HWND>(window), HWND_TOPMOST, 0, 0, 0, 0, KeepPlaceFlags);
}

bool win32window::HandleFrame(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_DROPFILES: {
        const auto drop = reinterpret_cast<HDROP>(wparam);
        const std::string first = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0 ? DroppedFile(drop) : std::string();
        DragFinish(drop);
        if (!first.empty()) events_.OnDropFile(first);
        return true;
    }
    case TaskbarMenuMessage:
        if (IsWindowEnabled(Handle())) {
            POINT cursor{};
            GetCursorPos(&cursor);
            events_.OnTaskbarMenu({cursor.x, cursor.y});
        }
        return true;
    case WM_CONTEXTMENU: {
        // A scroll bar's own menu is the system's.
        if (reinterpret_cast<HWND>(wparam) != Handle()) return false;
        POINT at{static_cast<int16_t>(LOWORD(lparam)), static_cast<int16_t>(HIWORD(lparam))};
        // From the keyboard the point is (-1, -1): the menu opens at the mouse.
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        events_.OnContextMenu({at.x, at.y});
        return true;
    }
    case WM_SYSCOMMAND:
        // Alt+Backspace is Undo; the system would take it for a menu key and beep.
        return (wparam & 0xFFF0) == SC_KEYMENU && lparam == VK_BACK;
    case WM_NCHITTEST: {
        if (sizegrip_.Width() <= 0 || sizegrip_.Height() <= 0) return false;
        POINT at{static_cast<int16_t>(LOWORD(lparam)), static_cast<int16_t>(HIWORD(lparam))};
        ScreenToClient(Handle(), &at);
        if (at.x < sizegrip_.left || at.x >= sizegrip_.right || at.y < sizegrip_.top || at.y >= sizegrip_.bottom)
            return false;
        result = HTBOTTOMRIGHT;
        return true;
    }
    case WM_SETCURSOR:
        // A click on the window while a modal window of the program disables it and another
        // program is in front: the modal window comes forward with it.
        if (static_cast<int16_t>(LOWORD(lparam)) == HTERROR && HIWORD(lparam) == WM_LBUTTONDOWN &&
            GetForegroundWindow() != GetLastActivePopup(Handle()))
            SetForegroundWindow(GetLastActivePopup(Handle()));
        // The system still beeps and keeps its cursor.
        return false;
    default: return false;
    }
}

}  // namespace quillmap::win32
