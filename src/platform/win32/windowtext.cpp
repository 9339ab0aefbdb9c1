#include "platform/win32/windowtext.h"

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, wide.data(), length + 1);
    wide.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return Cp1251FromWide(wide);
}

void SetWindowText(HWND window, std::string_view text) { SetWindowTextW(window, WideFromCp1251(text).c_str()); }

}  // namespace quillmap::win32
