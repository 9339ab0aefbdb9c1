#include "platform/win32/win32controls.h"

#include <commctrl.h>

#include <algorithm>
#include <system_error>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

namespace {

HWND MakeChild(const wchar_t* windowclass, DWORD style, HWND parent) {
    HWND made = CreateWindowExW(0, windowclass, L"", WS_CHILD | style, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (made == nullptr)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateWindowExW");
    return made;
}

}  // namespace

win32scrollbar::win32scrollbar(HWND parent, platform::scrollaxis axis)
    : axis_(axis),
      handle_(MakeChild(L"SCROLLBAR", WS_VISIBLE | (axis == platform::scrollaxis::vertical ? SBS_VERT : SBS_HORZ),
                        parent)) {
    SetWindowLongPtrW(handle_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetRange(0, 0);
    SetEnabled(false);
}

win32scrollbar* win32scrollbar::Of(HWND control) {
    return reinterpret_cast<win32scrollbar*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void win32scrollbar::Place(const platform::rect& area) {
    MoveWindow(handle_.Get(), area.left, area.top, area.Width(), area.Height(), TRUE);
}

void win32scrollbar::SetEnabled(bool enabled) { EnableWindow(handle_.Get(), enabled ? TRUE : FALSE); }

bool win32scrollbar::Enabled() const { return IsWindowEnabled(handle_.Get()) != FALSE; }

SCROLLINFO win32scrollbar::Info() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(handle_.Get(), SB_CTL, &info);
    return info;
}

void win32scrollbar::SetRange(int32_t maximum, int32_t page) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    // Without SIF_DISABLENOSCROLL a bar whose page covers its range would enable itself.
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, maximum);
    info.nPage = static_cast<UINT>(std::max(0, page));
    const bool enabled = Enabled();
    SetScrollInfo(handle_.Get(), SB_CTL, &info, TRUE);
    SetEnabled(enabled);
}

int32_t win32scrollbar::Maximum() const { return Info().nMax; }

int32_t win32scrollbar::Page() const { return static_cast<int32_t>(Info().nPage); }

void win32scrollbar::SetPosition(int32_t position) { SetScrollPos(handle_.Get(), SB_CTL, position, TRUE); }

int32_t win32scrollbar::Position() const { return Info().nPos; }

void win32scrollbar::SetSteps(int32_t smallchange, int32_t largechange) {
    smallchange_ = smallchange;
    largechange_ = largechange;
}

int32_t win32scrollbar::Requested(int request) const {
    const SCROLLINFO info = Info();
    switch (request) {
    case SB_LINEUP: return info.nPos - smallchange_;
    case SB_LINEDOWN: return info.nPos + smallchange_;
    case SB_PAGEUP: return info.nPos - largechange_;
    case SB_PAGEDOWN: return info.nPos + largechange_;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return info.nTrackPos;
    case SB_TOP: return info.nMin;
    case SB_BOTTOM: return info.nMax;
    default: return info.nPos;
    }
}

win32statusbar::win32statusbar(HWND parent) : handle_(MakeChild(STATUSCLASSNAMEW, WS_VISIBLE, parent)) {}

void win32statusbar::SetPanels(const std::vector<int32_t>& widths, int32_t centredcount) {
    std::vector<int> edges;
    int right = 0;
    for (const int32_t width : widths) edges.push_back(right += width);
    SendMessageW(handle_.Get(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    texts_.assign(widths.size(), std::string());
    centred_ = centredcount;
}

void win32statusbar::SetText(int32_t panel, std::string_view text) {
    if (panel < 0 || static_cast<size_t>(panel) >= texts_.size()) return;
    texts_[static_cast<size_t>(panel)] = text;
    // A leading tab centres a status bar panel's text.
    const std::wstring wide = (panel < centred_ ? L"\t" : L"") + WideFromCp1251(text);
    SendMessageW(handle_.Get(), SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string win32statusbar::Text(int32_t panel) const {
    if (panel < 0 || static_cast<size_t>(panel) >= texts_.size()) return {};
    return texts_[static_cast<size_t>(panel)];
}

void win32statusbar::Place(const platform::rect& area) {
    MoveWindow(handle_.Get(), area.left, area.top, area.Width(), area.Height(), TRUE);
}

void win32statusbar::SetVisible(bool visible) { ShowWindow(handle_.Get(), visible ? SW_SHOW : SW_HIDE); }

bool win32statusbar::Visible() const { return IsWindowVisible(handle_.Get()) != FALSE; }

}  // namespace quillmap::win32
