#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmap {

// A key with its modifiers (shiftbit values).
struct shortcutkey {
    uint16_t key = 0;
    uint8_t shift = 0;
    friend bool operator==(const shortcutkey&, const shortcutkey&) = default;
};

// How a menu item shows a key with its modifiers, such as "Ctrl+Shift+F9": letters, digits,
// F1 to F24 and the named keys (Esc, Enter, Del, PgUp, ...); empty for other keys.
std::string ShortcutText(uint16_t key, uint8_t shift);

// The key a text such as "Ctrl+Shift+F9" names: modifiers "Ctrl+", "Shift+" and "Alt+" in any
// order and letter case, then a key ShortcutText can name; none for anything else.
std::optional<shortcutkey> TextToShortcut(std::string_view text);

}  // namespace quillmap
