#pragma once

#include <memory>

#include "platform/menu.h"

namespace quillmap::platform {

class headlesswindow;

// A menu's side in the headless backend: nothing is shown, but a menu bar that goes while a
// window shows it is taken off that window, as the system's menus are.
class headlessmenupeer final : public menupeer {
public:
    headlessmenupeer() = default;
    ~headlessmenupeer() override;
    headlessmenupeer(const headlessmenupeer&) = delete;
    headlessmenupeer& operator=(const headlessmenupeer&) = delete;

    void Refresh(const menu&) override {}
    std::unique_ptr<menupeer> MakeSubmenuPeer() override { return std::make_unique<headlessmenupeer>(); }
    // The window whose menu bar this is; none when it is no one's.
    void AttachTo(headlesswindow* window) { window_ = window; }

private:
    headlesswindow* window_ = nullptr;
};

}  // namespace quillmap::platform
