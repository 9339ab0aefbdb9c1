#pragma once

#include <memory>

#include "platform/menu.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// Shows one menu of the program as a system menu: it rebuilds the menu's entries from the items
// after every change, each entry named by its item's command.
class win32menu final : public platform::menupeer {
public:
    explicit win32menu(platform::menukind kind);
    ~win32menu() override;
    win32menu(const win32menu&) = delete;
    win32menu& operator=(const win32menu&) = delete;

    void Refresh(const platform::menu& items) override;
    std::unique_ptr<platform::menupeer> MakeSubmenuPeer() override;

    HMENU Handle() const { return menu_; }
    // The window whose menu bar this is, redrawn after each change; none when it is no one's.
    void AttachTo(HWND window) { window_ = window; }

private:
    HMENU menu_;
    HWND window_ = nullptr;
};

// The system menu of a menu the application made.
HMENU MenuHandle(const platform::menu& items);

}  // namespace quillmap::win32
