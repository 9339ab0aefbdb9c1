#include "base/extensionnames.h"

#include <algorithm>

namespace quillmap {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool ExtensionChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

bool ListsExtension(const std::vector<std::string>& extensions, std::string_view extension) {
    return std::ranges::any_of(extensions, [&](const std::string& listed) { return SameName(listed, extension); });
}

bool SystemExtension(std::string_view extension) {
    return SameName(extension, ".exe") || SameName(extension, ".sys") || SameName(extension, ".com");
}

typedextension ReadTypedExtension(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.starts_with('*')) text.remove_prefix(1);
    if (text.starts_with('.')) text.remove_prefix(1);
    if (text.empty()) return {};
    // Anything else would name another key of the registry, or none.
    if (!std::ranges::all_of(text, ExtensionChar)) return {typedextension::unreadable, {}};
    std::string extension = "." + std::string(text);
    if (SystemExtension(extension)) return {typedextension::system, {}};
    return {typedextension::accepted, std::move(extension)};
}

}  // namespace quillmap
