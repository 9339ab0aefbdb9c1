#pragma once

#include <cstdint>
#include <memory>

#include "app/menucommand.h"
#include "platform/application.h"

namespace quillmap {

enum class windowshow { normal, minimised, maximised };

// The state a window placement's show command names: 2, 6 and 7 minimised, 3 maximised, the
// others normal.
windowshow ShowStateOf(uint32_t showcommand);

// The show commands the program gives a window, as Windows numbers them.
inline constexpr uint32_t ShowMaximized = 3;
inline constexpr uint32_t ShowMinimized = 6;
inline constexpr uint32_t ShowRestored = 9;

struct taskbarhandlers {
    menucommand minimise;
    menucommand maximise;
    menucommand restore;
    menucommand exit;
};

// The menu of the main window's taskbar button.
class taskbarmenu {
public:
    taskbarmenu(platform::application& app, const taskbarhandlers& handlers);

    platform::menu& Popup() const { return *popup_; }

    // Offers only the changes the window's state allows, then shows the menu at a point of the screen.
    void Show(platform::window& window, windowshow state, platform::point screen);

private:
    std::unique_ptr<platform::menu> popup_;
    platform::menuitem* minimise_ = nullptr;
    platform::menuitem* maximise_ = nullptr;
    platform::menuitem* restore_ = nullptr;
};

}  // namespace quillmap
