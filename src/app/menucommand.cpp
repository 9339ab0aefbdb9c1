#include "app/menucommand.h"

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

std::string_view AllRemovedShortcut(bool saveonf2) { return saveonf2 ? "F12" : "F2"; }

}  // namespace quillmap
