#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmap::platform {

// The system registry under HKEY_CLASSES_ROOT, where file types find the program that opens
// them. Keys are named by their path below the root ("tarnixfile\shell\open"), values by their
// name, the empty name being the key's default value; names and texts are CP1251, and names are
// compared without regard to letter case, as the registry does.
class registry {
public:
    virtual ~registry() = default;
    virtual bool KeyExists(std::string_view key) = 0;
    // A key without values and without keys under it.
    virtual bool KeyEmpty(std::string_view key) = 0;
    // A text value; none when the key or the value is missing, holds no text, or cannot be read.
    virtual std::optional<std::string> ReadValue(std::string_view key, std::string_view name) = 0;
    // Creates the key, and the keys above it, when missing; false when the registry refused.
    virtual bool WriteValue(std::string_view key, std::string_view name, std::string_view text) = 0;
    virtual bool DeleteValue(std::string_view key, std::string_view name) = 0;
    // A key without keys under it; false when it has some or the registry refused.
    virtual bool DeleteKey(std::string_view key) = 0;
};

}  // namespace quillmap::platform
