#pragma once

#include <functional>
#include <vector>

#include "platform/menu.h"
#include "views/mnaction.h"
#include "views/tmnitem.h"

namespace quillmap {

// The menu items made from the view's actions, placed in the main window's menus by each
// action's placement: 0 at the top of "Формат", 1 in "Дополнительно" after its separator, n >= 2
// under the item of action n - 2.
class viewactions {
public:
    // `format` and `extra` are the items of "Формат" and "Дополнительно".
    viewactions(platform::menu& format, platform::menu& extra) : format_(format), extra_(extra) {}
    ~viewactions() { Remove(); }
    viewactions(const viewactions&) = delete;
    viewactions& operator=(const viewactions&) = delete;

    // Replaces the items with new ones made from `actions`. `clicked` hears, after an item's
    // action ran, whether it changed the document. Throws std::out_of_range for an action placed
    // under one that does not come before it.
    void Create(const amnaction& actions, const std::function<void(bool changed)>& clicked);
    // A new view of the same kind: the items run its actions, keeping their check marks.
    void Rebind(const amnaction& actions);
    void Remove();
    // In the order of the actions: item i has tag i.
    const std::vector<tmnitem*>& Items() const { return items_; }

private:
    // Sub-items of "Дополнительно" before the view's: three commands and a separator.
    static constexpr size_t ExtraPosition = 4;

    platform::menu& format_;
    platform::menu& extra_;
    std::vector<tmnitem*> items_;
};

}  // namespace quillmap
