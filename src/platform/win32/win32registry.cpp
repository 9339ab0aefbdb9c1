#include "platform/win32/win32registry.h"

#include <string>

#include "platform/win32/textcodec.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

namespace {

// An open key, closed when this goes.
class openkey {
public:
    openkey(std::string_view path, REGSAM access, bool create) {
        const std::wstring wide = WideFromCp1251(path);
        const LSTATUS status = create ? RegCreateKeyExW(HKEY_CLASSES_ROOT, wide.c_str(), 0, nullptr, 0, access,
                                                        nullptr, &key_, nullptr)
                                      : RegOpenKeyExW(HKEY_CLASSES_ROOT, wide.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    ~openkey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    openkey(const openkey&) = delete;
    openkey& operator=(const openkey&) = delete;
    HKEY Handle() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

bool win32registry::KeyExists(std::string_view key) { return openkey(key, KEY_READ, false).Handle() != nullptr; }

bool win32registry::KeyEmpty(std::string_view key) {
    const openkey opened(key, KEY_READ, false);
    DWORD subkeys = 0;
    DWORD values = 0;
    return opened.Handle() != nullptr &&
           RegQueryInfoKeyW(opened.Handle(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           subkeys == 0 && values == 0;
}

std::optional<std::string> win32registry::ReadValue(std::string_view key, std::string_view name) {
    const openkey opened(key, KEY_QUERY_VALUE, false);
    if (opened.Handle() == nullptr) return std::nullopt;
    const std::wstring wide = WideFromCp1251(name);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(opened.Handle(), wide.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(opened.Handle(), wide.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    // The stored text need not end with its zero; it ends at the first one there is.
    text.resize(bytes / sizeof(wchar_t));
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    return Cp1251FromWide(text);
}

bool win32registry::WriteValue(std::string_view key, std::string_view name, std::string_view text) {
    const openkey opened(key, KEY_SET_VALUE, true);
    if (opened.Handle() == nullptr) return false;
    const std::wstring widename = WideFromCp1251(name);
    const std::wstring widetext = WideFromCp1251(text);
    return RegSetValueExW(opened.Handle(), widename.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(widetext.c_str()),
                          static_cast<DWORD>((widetext.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool win32registry::DeleteValue(std::string_view key, std::string_view name) {
    const openkey opened(key, KEY_SET_VALUE, false);
    const std::wstring wide = WideFromCp1251(name);
    return opened.Handle() != nullptr && RegDeleteValueW(opened.Handle(), wide.c_str()) == ERROR_SUCCESS;
}

bool win32registry::DeleteKey(std::string_view key) {
    return RegDeleteKeyW(HKEY_CLASSES_ROOT, WideFromCp1251(key).c_str()) == ERROR_SUCCESS;
}

}  // namespace quillmap::win32
