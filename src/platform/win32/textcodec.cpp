#include "platform/win32/textcodec.h"

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

namespace {

constexpr UINT Cp1251 = 1251;

}  // namespace

std::wstring WideFromCp1251(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(Cp1251, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(Cp1251, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string Cp1251FromWide(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    // Without this flag Windows gives a look-alike instead ("café" becomes "cafe"): a file name
    // that names another file.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int needed = WideCharToMultiByte(Cp1251, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(Cp1251, flags, text.data(), length, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

}  // namespace quillmap::win32
