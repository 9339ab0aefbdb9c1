#include "app/shortcutnames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "platform/keys.h"

namespace quillmap {

namespace {

// The named keys, as the system's menus write them.
constexpr std::array<std::pair<uint16_t, std::string_view>, 16> NamedKeys{{
    {0x08, "BkSp"},
    {0x09, "Tab"},
    {0x0D, "Enter"},
    {0x1B, "Esc"},
    {0x20, "Space"},
    {0x21, "PgUp"},
    {0x22, "PgDn"},
    {0x23, "End"},
    {0x24, "Home"},
    {0x25, "Left"},
    {0x26, "Up"},
    {0x27, "Right"},
    {0x28, "Down"},
    {0x2D, "Ins"},
    {0x2E, "Del"},
    {0x13, "Pause"},
}};

constexpr uint16_t vkF24 = platform::vkF1 + 23;

std::string KeyName(uint16_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= platform::vkF1 && key <= vkF24) return "F" + std::to_string(key - platform::vkF1 + 1);
    for (const auto& [code, name] : NamedKeys)
        if (code == key) return std::string(name);
    return {};
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<uint16_t> KeyOfName(std::string_view name) {
    for (uint16_t key = 1; key < 0x100; ++key) {
        const std::string known = KeyName(key);
        if (!known.empty() && SameLetters(known, name)) return key;
    }
    return std::nullopt;
}

}  // namespace

std::string ShortcutText(uint16_t key, uint8_t shift) {
    const std::string name = KeyName(key);
    if (name.empty()) return {};
    const std::string ctrl = (shift & platform::ssCtrl) ? "Ctrl+" : "";
    const std::string shifted = (shift & platform::ssShift) ? "Shift+" : "";
    const std::string alt = (shift & platform::ssAlt) ? "Alt+" : "";
    return ctrl + shifted + alt + name;
}

std::optional<shortcutkey> TextToShortcut(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, uint8_t>, 3> Modifiers{
        {{"Ctrl+", platform::ssCtrl}, {"Shift+", platform::ssShift}, {"Alt+", platform::ssAlt}}};
    shortcutkey result;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, bit] : Modifiers)
            if (text.size() > prefix.size() && SameLetters(text.substr(0, prefix.size()), prefix)) {
                result.shift |= bit;
                text.remove_prefix(prefix.size());
                found = true;
            }
    }
    const std::optional<uint16_t> key = KeyOfName(text);
    if (!key) return std::nullopt;
    result.key = *key;
    return result;
}

}  // namespace quillmap
