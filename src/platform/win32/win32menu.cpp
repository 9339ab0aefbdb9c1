#include "platform/win32/win32menu.h"

#include <string>
#include <system_error>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

win32menu::win32menu(platform::menukind kind)
    : menu_(kind == platform::menukind::bar ? CreateMenu() : CreatePopupMenu()) {
    if (menu_ == nullptr) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateMenu");
    }
}

win32menu::~win32menu() {
    // The submenus belong to their own peers: taken out, not destroyed with this one.
    while (GetMenuItemCount(menu_) > 0) RemoveMenu(menu_, 0, MF_BYPOSITION);
    if (window_ != nullptr && IsWindow(window_) && GetMenu(window_) == menu_) SetMenu(window_, nullptr);
    DestroyMenu(menu_);
}

std::unique_ptr<platform::menupeer> win32menu::MakeSubmenuPeer() {
    return std::make_unique<win32menu>(platform::menukind::popup);
}

void win32menu::Refresh(const platform::menu& items) {
    while (GetMenuItemCount(menu_) > 0) RemoveMenu(menu_, 0, MF_BYPOSITION);
    for (size_t index = 0; index < items.Count(); ++index) {
        const platform::menuitem& item = items.Item(index);
        // The system menu has no hidden entries: a hidden item is left out.
        if (!item.Visible()) continue;
        MENUITEMINFOW entry{};
        entry.cbSize = sizeof entry;
        entry.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        entry.wID = item.Command();
        entry.fState = (item.Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item.Checked() ? MFS_CHECKED : 0u) |
                       (item.IsDefault() ? MFS_DEFAULT : 0u);
        // The shortcut after a tab is drawn right-aligned in its own column.
        std::wstring text = WideFromCp1251(item.Caption());
        if (!item.Shortcut().empty()) text += L'\t' + WideFromCp1251(item.Shortcut());
        if (item.Separator()) {
            entry.fType = MFT_SEPARATOR;
        } else {
            entry.fMask |= MIIM_STRING;
            entry.dwTypeData = text.data();
        }
        if (item.Submenu() != nullptr) {
            entry.fMask |= MIIM_SUBMENU;
            entry.hSubMenu = MenuHandle(*item.Submenu());
        }
        InsertMenuItemW(menu_, static_cast<UINT>(GetMenuItemCount(menu_)), TRUE, &entry);
    }
    if (window_ != nullptr) DrawMenuBar(window_);
}

HMENU MenuHandle(const platform::menu& items) { return static_cast<win32menu&>(*items.Peer()).Handle(); }

}  // namespace quillmap::win32
