#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace quillmap::platform {

// The registry in memory: tests fill it, read what the program left there, and make parts of it
// refuse to be written or read.
class headlessregistry final : public registry {
public:
    bool KeyExists(std::string_view key) override;
    bool KeyEmpty(std::string_view key) override;
    std::optional<std::string> ReadValue(std::string_view key, std::string_view name) override;
    bool WriteValue(std::string_view key, std::string_view name, std::string_view text) override;
    bool DeleteValue(std::string_view key, std::string_view name) override;
    bool DeleteKey(std::string_view key) override;

    // Every key, by its path in lower case, with its values by name in lower case.
    using values = std::map<std::string, std::string>;
    const std::map<std::string, values>& Keys() const { return keys_; }
    // Writing and deleting at these keys, and below them, is refused (named in any case).
    std::set<std::string> lockedkeys;
    // Nothing can be read: as when the program may not open the keys.
    bool unreadable = false;

private:
    bool Locked(const std::string& key) const;

    std::map<std::string, values> keys_;
};

}  // namespace quillmap::platform
