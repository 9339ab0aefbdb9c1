// The structure view's side of the navigator: showing and hiding it, and moving to the field
// the user picked in it.
#include <algorithm>
#include <new>
#include <vector>

#include "views/vwstruct.h"

namespace quillmap {

void vwstruct::ShowNavigator(bool shown) {
    if (!shown) {
        if (navigator_) navigator_->Hide();
        return;
    }
    if (!app_) return;
    if (!navigator_) {
        navigator_ = std::make_unique<navigator>(*app_, system_, *this, mainwindow_);
        navigator_->onclose = [this] {
            // The window goes once its own close message is done with.
            app_->Post([gone = std::shared_ptr<navigator>(std::move(navigator_))] {});
            if (onnavigatorclosed) onnavigatorclosed();
        };
    }
    navigator_->Show();
}

void vwstruct::Reveal(pole& field) {
    std::vector<cont*> opened;
    for (cont* up = field.Parent(); up && up != root_.get() && !up->Expanded(); up = up->Parent()) {
        opened.push_back(up);
        up->SetExpanded(true);
    }
    // An open container has no row of its own: its first row is its first child's.
    pole* target = &field;
    while (opened.empty() && target->IsContainer() && static_cast<cont*>(target)->Expanded() &&
           static_cast<cont*>(target)->ChildCount() > 0)
        target = &static_cast<cont*>(target)->Child(0);
    try {
        RebuildRows();
    } catch (const std::bad_alloc&) {
        // The containers stay closed when their rows do not fit in memory.
        for (cont* up : opened) up->SetExpanded(false);
        throw;
    }
    // A field's entry starts where the field does.
    MoveCaret(std::max(0, target->Start()), 0, false);
    if (onrefresh) onrefresh();
}

}  // namespace quillmap
