#include "platform/headless/headlessregistry.h"

#include <algorithm>

namespace quillmap::platform {

namespace {

// Registry names differ only in the letters' case when they are the same name.
std::string Folded(std::string_view name) {
    std::string folded(name);
    std::ranges::transform(folded, folded.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return folded;
}

bool Below(const std::string& key, const std::string& above) {
    return key.size() > above.size() && key.starts_with(above) && key[above.size()] == '\\';
}

}  // namespace

bool headlessregistry::Locked(const std::string& key) const {
    return std::ranges::any_of(lockedkeys, [&](const std::string& locked) {
        const std::string folded = Folded(locked);
        return key == folded || Below(key, folded);
    });
}

bool headlessregistry::KeyExists(std::string_view key) { return !unreadable && keys_.contains(Folded(key)); }

bool headlessregistry::KeyEmpty(std::string_view key) {
    const std::string folded = Folded(key);
    const auto found = keys_.find(folded);
    if (unreadable || found == keys_.end() || !found->second.empty()) return false;
    return std::ranges::none_of(keys_, [&](const auto& other) { return Below(other.first, folded); });
}

std::optional<std::string> headlessregistry::ReadValue(std::string_view key, std::string_view name) {
    const auto found = keys_.find(Folded(key));
    if (unreadable || found == keys_.end()) return std::nullopt;
    const auto value = found->second.find(Folded(name));
    if (value == found->second.end()) return std::nullopt;
    return value->second;
}

bool headlessregistry::WriteValue(std::string_view key, std::string_view name, std::string_view text) {
    const std::string folded = Folded(key);
    if (Locked(folded)) return false;
    // The keys above it come into being with it.
    for (size_t at = folded.find('\\'); at != std::string::npos; at = folded.find('\\', at + 1))
        keys_.try_emplace(folded.substr(0, at));
    keys_[folded][Folded(name)] = std::string(text);
    return true;
}

bool headlessregistry::DeleteValue(std::string_view key, std::string_view name) {
    const std::string folded = Folded(key);
    const auto found = keys_.find(folded);
    if (Locked(folded) || found == keys_.end()) return false;
    return found->second.erase(Folded(name)) != 0;
}

bool headlessregistry::DeleteKey(std::string_view key) {
    const std::string folded = Folded(key);
    if (Locked(folded) || !keys_.contains(folded)) return false;
    if (std::ranges::any_of(keys_, [&](const auto& other) { return Below(other.first, folded); })) return false;
    keys_.erase(folded);
    return true;
}

}  // namespace quillmap::platform
