#include "dialogs/dialogplacement.h"

#include <algorithm>

namespace quillmap {

platform::point KeepInWorkArea(platform::point at, platform::extent window, const platform::rect& workarea,
                               int32_t mousey) {
    if (at.x < 0) at.x = 0;
    if (at.x + window.width > workarea.Width()) at.x = workarea.Width() - window.width;
    if (at.y + window.height > workarea.Height()) at.y = mousey - window.height;
    return at;
}

platform::point PlaceAtMouse(platform::point mouse, platform::extent window, const platform::rect& workarea) {
    return KeepInWorkArea({mouse.x - window.width / 2, mouse.y}, window, workarea, mouse.y);
}

platform::point PlaceBesideMouse(platform::point mouse, platform::extent window, platform::extent screen) {
    platform::point at = KeepInWorkArea({mouse.x - window.width / 2, mouse.y + 1}, window,
                                        {0, 0, screen.width, screen.height}, mouse.y - 1);
    at.y = std::max(at.y, 0);
    return at;
}

platform::point CentreOver(const platform::rect& owner, platform::extent window, platform::extent screen) {
    platform::point at{owner.left + (owner.Width() - window.width) / 2, owner.top + (owner.Height() - window.height) / 2};
    at.x = std::max(at.x, 0);
    at.y = std::max(at.y, 0);
    if (at.x + window.width > screen.width) at.x = screen.width - window.width;
    if (at.y + window.height > screen.height) at.y = screen.height - window.height;
    return at;
}

}  // namespace quillmap
