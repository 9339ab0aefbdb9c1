#include "model/expandedstate.h"

namespace quillmap {

void CopyExpandedState(const cont& from, cont& to) {
    // A run's fields are never containers.
    for (int32_t i = 0; i < to.ObjectCount(); ++i) {
        pole& child = to.Child(i);
        if (!child.IsContainer()) continue;
        auto& target = static_cast<cont&>(child);
        const pole* counterpart = i < from.ChildCount() ? &from.Child(i) : nullptr;
        if (!counterpart || !counterpart->IsContainer()) {
            target.SetExpanded(true);
            continue;
        }
        const auto& source = static_cast<const cont&>(*counterpart);
        target.SetExpanded(source.Expanded());
        if (source.Expanded()) CopyExpandedState(source, target);
    }
}

}  // namespace quillmap
