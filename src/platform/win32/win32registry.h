#pragma once

#include "platform/registry.h"

namespace quillmap::win32 {

// HKEY_CLASSES_ROOT through the wide registry functions: names and texts cross in UTF-16, so
// Russian texts stay what they are whatever the system's code page.
class win32registry final : public platform::registry {
public:
    bool KeyExists(std::string_view key) override;
    bool KeyEmpty(std::string_view key) override;
    std::optional<std::string> ReadValue(std::string_view key, std::string_view name) override;
    bool WriteValue(std::string_view key, std::string_view name, std::string_view text) override;
    bool DeleteValue(std::string_view key, std::string_view name) override;
    bool DeleteKey(std::string_view key) override;
};

}  // namespace quillmap::win32
