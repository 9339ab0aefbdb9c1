// The input messages of a form: typed characters, the mouse buttons, moves and wheel, and the
// cursor over the client area.
#include "platform/win32/win32window.h"

#include <optional>

namespace quillmap::win32 {

namespace {

platform::point PointOf(LPARAM lparam) {
    // Signed: while captured the mouse may be left of or above the client area.
    return {static_cast<int16_t>(LOWORD(lparam)), static_cast<int16_t>(HIWORD(lparam))};
}

uint8_t ShiftOf(WPARAM wparam) {
    return ((wparam & MK_SHIFT) ? platform::ssShift : 0) | ((wparam & MK_CONTROL) ? platform::ssCtrl : 0) |
           ((GetKeyState(VK_MENU) & 0x8000) ? platform::ssAlt : 0);
}

// The character in CP1251, or none when it has no exact form there.
std::optional<char> Cp1251Char(wchar_t character) {
    char converted = 0;
    BOOL lost = FALSE;
    if (WideCharToMultiByte(1251, WC_NO_BEST_FIT_CHARS, &character, 1, &converted, 1, nullptr, &lost) != 1 || lost)
        return std::nullopt;
    return converted;
}

LPCWSTR CursorName(platform::cursorshape shape) {
    switch (shape) {
    case platform::cursorshape::ibeam: return IDC_IBEAM;
    case platform::cursorshape::handpoint: return IDC_HAND;
    case platform::cursorshape::arrow: break;
    }
    return IDC_ARROW;
}

}  // namespace

void win32window::CaptureMouse(bool capture) {
    if (capture)
        SetCapture(handle_.Get());
    else if (GetCapture() == handle_.Get())
        ReleaseCapture();
}

bool win32window::HandleInput(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    using platform::mousebutton;
    result = 0;
    switch (message) {
    case WM_CHAR:
        if (const auto character = Cp1251Char(static_cast<wchar_t>(wparam))) events_.OnChar(*character);
        return true;
    case WM_LBUTTONDOWN: events_.OnMouseDown(mousebutton::left, PointOf(lparam), ShiftOf(wparam)); return true;
    case WM_RBUTTONDOWN: events_.OnMouseDown(mousebutton::right, PointOf(lparam), ShiftOf(wparam)); return true;
    case WM_MBUTTONDOWN: events_.OnMouseDown(mousebutton::middle, PointOf(lparam), ShiftOf(wparam)); return true;
    case WM_MBUTTONUP: events_.OnMouseUp(mousebutton::middle, PointOf(lparam), ShiftOf(wparam)); return true;
    case WM_LBUTTONUP: events_.OnMouseUp(mousebutton::left, PointOf(lparam), ShiftOf(wparam)); return true;
    case WM_RBUTTONUP:
        events_.OnMouseUp(mousebutton::right, PointOf(lparam), ShiftOf(wparam));
        // The system turns the release into WM_CONTEXTMENU.
        return false;
    case WM_MOUSEMOVE: events_.OnMouseMove(PointOf(lparam), ShiftOf(wparam)); return true;
    case WM_LBUTTONDBLCLK:
        events_.OnDoubleClick(PointOf(lparam));
        events_.OnMouseDown(mousebutton::left, PointOf(lparam), ShiftOf(wparam));
        return true;
    case WM_MOUSEWHEEL: events_.OnWheel(GET_WHEEL_DELTA_WPARAM(wparam)); return true;
    case WM_SETCURSOR:
        // Over the frame, the bars and the menu the system keeps its own shapes.
        if (LOWORD(lparam) != HTCLIENT || reinterpret_cast<HWND>(wparam) != handle_.Get()) return false;
        ::SetCursor(LoadCursorW(nullptr, CursorName(cursor_)));
        result = TRUE;
        return true;
    default: return false;
    }
}

}  // namespace quillmap::win32
