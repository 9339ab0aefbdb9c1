#pragma once

#include <memory>

#include "app/mainmenu.h"
#include "platform/application.h"

namespace quillmap {

// The context menu of the main window's client area. It runs the main menu's commands and,
// each time it opens, shows the main menu's state of the items they share.
class windowpopup {
public:
    windowpopup(platform::application& app, const mainmenuhandlers& handlers, bool saveonf2);

    platform::menu& Popup() const { return *popup_; }
    platform::menuitem& AllRemoved() const { return *allremoved_; }

    // Takes the state of the main menu's items, then shows the menu at a point of the screen.
    void Show(platform::window& window, const mainmenu& main, platform::point screen);

private:
    std::unique_ptr<platform::menu> popup_;
    platform::menuitem* undo_ = nullptr;
    platform::menuitem* redo_ = nullptr;
    platform::menuitem* cut_ = nullptr;
    platform::menuitem* copy_ = nullptr;
    platform::menuitem* paste_ = nullptr;
    platform::menuitem* allremoved_ = nullptr;
};

}  // namespace quillmap
