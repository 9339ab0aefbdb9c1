#include "app/recentlist.h"

#include <algorithm>

namespace quillmap {

std::optional<size_t> recentlist::Find(std::string_view name) const {
    const auto found = std::find(names_.begin(), names_.end(), name);
    if (found == names_.end()) return std::nullopt;
    return static_cast<size_t>(found - names_.begin());
}

void recentlist::Remember(const std::string& name, recentposition caret) {
    if (name.empty() || names_.empty()) return;
    // The last place is given up when the name is not among the others.
    size_t from = names_.size() - 1;
    if (const std::optional<size_t> place = Find(name)) from = std::min(*place, from);
    std::move_backward(names_.begin(), names_.begin() + static_cast<std::ptrdiff_t>(from),
                       names_.begin() + static_cast<std::ptrdiff_t>(from) + 1);
    std::move_backward(positions_.begin(), positions_.begin() + static_cast<std::ptrdiff_t>(from),
                       positions_.begin() + static_cast<std::ptrdiff_t>(from) + 1);
    names_[0] = name;
    positions_[0] = caret;
}

void recentlist::Remove(size_t index) {
    if (index >= names_.size()) return;
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(index));
    positions_.erase(positions_.begin() + static_cast<std::ptrdiff_t>(index));
    names_.emplace_back();
    positions_.emplace_back();
}

size_t recentlist::Count() const {
    return static_cast<size_t>(std::find(names_.begin(), names_.end(), std::string()) - names_.begin());
}

}  // namespace quillmap
