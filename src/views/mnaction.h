#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quillmap {

// The main window's menu item made from one action (views/tmnitem.h).
class tmnitem;

// A menu action a view offers the main window.
struct mnaction {
    std::string caption;  // CP1251
    // Called with the item's new check state; answers whether the document changed.
    std::function<bool(bool checked)> handler;
    bool checkable = false;
    bool checked = false;
    // 0 and 1: the two places in the main window's menus; n >= 2: a sub-item of action n - 2.
    uint8_t placement = 0;
};

using amnaction = std::vector<mnaction>;

}  // namespace quillmap
