#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/menu.h"

namespace quillmap {

using menucommand = std::function<void()>;

// Appends an item that runs a command, or, without one, a disabled item.
platform::menuitem& AddCommand(platform::menu& into, std::string_view caption, std::string_view shortcut,
                               const menucommand& command);

// The key of "Всё лишнее убрано": F2 saves instead when the user asked for it.
std::string_view AllRemovedShortcut(bool saveonf2);

}  // namespace quillmap
