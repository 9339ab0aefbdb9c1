#include "app/viewactions.h"

#include <memory>
#include <stdexcept>

namespace quillmap {

void viewactions::Create(const amnaction& actions, const std::function<void(bool changed)>& clicked) {
    Remove();
    for (size_t index = 0; index < actions.size(); ++index) {
        const mnaction& action = actions[index];
        auto made = std::make_unique<tmnitem>(action, static_cast<int32_t>(index), clicked);
        tmnitem* item = made.get();
        // Each new one goes to the front of its place, so those of one place end up reversed.
        if (action.placement == 0) {
            format_.Insert(0, std::move(made));
        } else if (action.placement == 1) {
            extra_.Insert(ExtraPosition, std::move(made));
        } else {
            platform::menu& under = items_.at(action.placement - 2u)->Items();
            under.Insert(under.Count(), std::move(made));
        }
        items_.push_back(item);
    }
}

void viewactions::Rebind(const amnaction& actions) {
    if (actions.size() != items_.size()) throw std::invalid_argument("a view of the same kind with other actions");
    for (size_t index = 0; index < items_.size(); ++index) items_[index]->SetMethod(actions[index].handler);
}

void viewactions::Remove() {
    // Latest first: a sub-item goes before the item it hangs from.
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) (*item)->Parent()->Remove(**item);
    items_.clear();
}

}  // namespace quillmap
