#pragma once

#include <cstdint>
#include <functional>

#include "platform/menu.h"
#include "views/mnaction.h"

namespace quillmap {

// The main window's menu item made from one of the view's actions; its tag is the action's index.
class tmnitem final : public platform::menuitem {
public:
    // `clicked` hears, after the action ran, whether it changed the document.
    tmnitem(const mnaction& action, int32_t tag, std::function<void(bool changed)> clicked);

    int32_t Tag() const { return tag_; }
    bool Checkable() const { return checkable_; }
    // A new view of the same kind: the item now runs that view's action.
    void SetMethod(std::function<bool(bool checked)> method) { method_ = std::move(method); }
    // After the layout changed, a checkable action hears its state again, so that the view
    // follows the menu.
    void Reapply() {
        if (checkable_ && method_) method_(Checked());
    }

private:
    void Chosen();

    std::function<bool(bool checked)> method_;
    std::function<void(bool changed)> clicked_;
    int32_t tag_;
    bool checkable_;
};

}  // namespace quillmap
