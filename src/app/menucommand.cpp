#include "app/menucommand.h"

#include "platform/keys.h"

namespace quillmap {

platform::menuitem& AddCommand(platform::menu& into, std::string_view caption, std::string_view shortcut,
                               const menucommand& command) {
    platform::menuitem& item = into.Add(caption, shortcut);
    item.OnClick(command);
    // The menus show every command the program will have; those whose work is not in the
    // program yet come without a handler and stay disabled until they get one.
    item.SetEnabled(static_cast<bool>(command));
    return item;
}

std::string ShortcutText(uint16_t key, uint8_t shift) {
    std::string name;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        name = std::string(1, static_cast<char>(key));
    else if (key >= platform::vkF1 && key <= platform::vkF12)
        name = "F" + std::to_string(key - platform::vkF1 + 1);
    else
        return {};
    const std::string ctrl = (shift & platform::ssCtrl) ? "Ctrl+" : "";
    const std::string shifted = (shift & platform::ssShift) ? "Shift+" : "";
    const std::string alt = (shift & platform::ssAlt) ? "Alt+" : "";
    return ctrl + shifted + alt + name;
}

std::string_view AllRemovedShortcut(bool saveonf2) { return saveonf2 ? "F12" : "F2"; }

}  // namespace quillmap
