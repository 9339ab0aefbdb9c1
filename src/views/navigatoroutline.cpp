#include "views/navigatoroutline.h"

#include <algorithm>
#include <new>

#include "base/settings.h"

namespace quillmap {

outlinerow navigatoroutline::MakeRow(pole& field, int32_t depth) const {
    return {&field, field.Serial(), false, depth, {}};
}

void navigatoroutline::AppendChildren(const cont& container, int32_t from, int32_t depth,
                                      std::vector<outlinerow>& into) const {
    for (int32_t k = from; k < container.ChildCount(); ++k) into.push_back(MakeRow(container.Child(k), depth));
}

void navigatoroutline::Rebuild(const cont& root) {
    rows_.clear();
    AppendChildren(root, 0, 0, rows_);
    Layout();
}

void navigatoroutline::SyncLevel(const cont& container, int32_t depth, size_t& i,
                                 std::vector<outlinerow>& fresh) const {
    int32_t matched = 0;
    while (i < rows_.size() && rows_[i].depth >= depth) {
        const outlinerow& row = rows_[i];
        // Only a live child is read: the old node is compared, never followed.
        const bool same = matched < container.ChildCount() && row.node == &container.Child(matched) &&
                          container.Child(matched).Serial() == row.serial;
        if (!same) {
            while (i < rows_.size() && rows_[i].depth >= depth) ++i;
            break;
        }
        fresh.push_back(row);
        ++matched;
        ++i;
        if (row.expanded) SyncLevel(static_cast<const cont&>(*row.node), depth + 1, i, fresh);
    }
    AppendChildren(container, matched, depth, fresh);
}

void navigatoroutline::Sync(const cont& root) {
    std::vector<outlinerow> fresh;
    fresh.reserve(rows_.size());
    size_t i = 0;
    SyncLevel(root, 0, i, fresh);
    rows_ = std::move(fresh);
    Layout();
}

bool navigatoroutline::Opened(const cont& container) const {
    return std::find(opened_.begin(), opened_.end(), &container) != opened_.end();
}

bool navigatoroutline::Toggle(size_t row) {
    if (row >= rows_.size() || !rows_[row].node->IsContainer()) return false;
    outlinerow& toggled = rows_[row];
    const auto after = rows_.begin() + static_cast<std::ptrdiff_t>(row) + 1;
    if (toggled.expanded) {
        const auto end = std::find_if(after, rows_.end(), [&](const outlinerow& r) { return r.depth <= toggled.depth; });
        rows_.erase(after, end);
    } else {
        const auto& container = static_cast<const cont&>(*toggled.node);
        std::vector<outlinerow> children;
        try {
            AppendChildren(container, 0, toggled.depth + 1, children);
            rows_.insert(after, children.begin(), children.end());
        } catch (const std::bad_alloc&) {
            // The fields made for rows that do not fit would stay with their run otherwise.
            container.ForgetRunFields();
            throw;
        }
    }
    rows_[row].expanded = !rows_[row].expanded;
    Layout();
    return true;
}

void navigatoroutline::Layout() {
    const int32_t marginx = Settings().NavigatorOtstupX;
    int32_t y = Settings().NavigatorOtstupY;
    int32_t widest = 0;
    opened_.clear();
    for (outlinerow& row : rows_) {
        if (row.expanded) opened_.push_back(row.node);
        const platform::extent title = measure_(row.node->Title());
        const int32_t x = marginx + row.depth * Indent;
        row.area = {x, y, x + title.width + Indent, y + title.height + 2};
        y = row.area.bottom;
        widest = std::max(widest, row.area.right);
    }
    contentwidth_ = std::max(2 * marginx, rows_.empty() ? 0 : widest + marginx);
}

int32_t navigatoroutline::ContentHeight() const {
    return rows_.empty() ? Settings().NavigatorOtstupY : rows_.back().area.bottom;
}

platform::rect navigatoroutline::BoxOf(const outlinerow& row) {
    // Truncated toward zero, as the box has always been placed.
    const int32_t top = (row.area.top + row.area.bottom - BoxSide) / 2;
    return {row.area.left, top, row.area.left + BoxSide, top + BoxSide};
}

size_t navigatoroutline::FirstRowBelow(int32_t y) const {
    const auto found =
        std::upper_bound(rows_.begin(), rows_.end(), y, [](int32_t at, const outlinerow& r) { return at < r.area.bottom; });
    return static_cast<size_t>(found - rows_.begin());
}

outlinehit navigatoroutline::HitTest(platform::point at) const {
    const size_t row = FirstRowBelow(at.y);
    if (row >= rows_.size() || at.y < rows_[row].area.top) return {};
    const outlinerow& r = rows_[row];
    if (at.x >= r.area.left + Indent && at.x < r.area.right) return {outlinepart::title, row};
    if (r.node->IsContainer() && BoxOf(r).Contains(at)) return {outlinepart::box, row};
    return {outlinepart::other, row};
}

}  // namespace quillmap
