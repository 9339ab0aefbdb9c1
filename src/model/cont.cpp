#include "model/cont.h"

#include <algorithm>

namespace quillmap {

namespace {

bool Overlaps(const pole& field, int32_t position, int32_t count) {
    return field.Start() < position + count && position < field.End();
}

// A field that is laid out again must not keep places from its former layout anywhere inside.
void UnplaceSubtree(pole& field) {
    field.Unplace();
    if (!field.IsContainer()) return;
    auto& container = static_cast<cont&>(field);
    for (int32_t i = 0; i < container.ChildCount(); ++i) UnplaceSubtree(container.Child(i));
}

}  // namespace

cont::cont(fieldhost& view, cont* parent, fieldkind kind) : pole(view, parent, kind) {}

cont::~cont() {
    // Children first, last to first, so that no child outlives the fields it came after.
    while (!children_.empty()) children_.pop_back();
}

void cont::SetStart(int32_t position) {
    start_ = position;
    if (!children_.empty()) children_.front()->SetStart(position);
}

int32_t cont::Recheck(int32_t position, int32_t count) {
    int32_t r = -1;
    for (int32_t i = 0; i < ChildCount() && r <= 0; ++i) {
        pole& child = Child(i);
        if (!Overlaps(child, position, count)) continue;
        r = child.Recheck(position, count);
        if (r > 0 && r < position + count) {
            Root().RebuildFrom(position);
            return r;
        }
    }
    if (r > 0) Root().RebuildFrom(r);
    return r;
}

void cont::LayOutChild(int32_t j) {
    pole& child = Child(j);
    if (!child.Placed()) child.SetStart(j == 0 ? start_ : Child(j - 1).End());
    const int32_t outer = layoutindex_;
    layoutindex_ = j;
    child.Parse();
    layoutindex_ = outer;
}

void cont::MeasureFromChildren() { length_ = children_.empty() ? 0 : LastChild().End() - start_; }

void cont::Parse() {
    // A child's Parse may append children, so the count is read again on every pass.
    for (int32_t i = 0; i < ChildCount(); ++i) LayOutChild(i);
    MeasureFromChildren();
}

void cont::RelayoutFrom(int32_t k) {
    for (int32_t j = k + 1; j < ChildCount(); ++j) UnplaceSubtree(Child(j));
    for (int32_t j = k; j < ChildCount(); ++j) LayOutChild(j);
    MeasureFromChildren();
}

void cont::CollectVisible(bool force, std::vector<pole*>& list) {
    if (!expanded_ && !force) {
        pole::CollectVisible(force, list);
        return;
    }
    for (const auto& child : children_) child->CollectVisible(force, list);
}

void cont::GapText(int32_t, std::string& text) const { text.clear(); }

void cont::Reset() { TruncateChildren(0); }

void cont::TruncateChildren(int32_t k) {
    if (k < 0) k = 0;
    while (ChildCount() > k) children_.pop_back();
}

int32_t cont::IndexOf(const pole& child) const {
    if (layoutindex_ >= 0 && layoutindex_ < ChildCount() && children_[layoutindex_].get() == &child)
        return layoutindex_;
    // Hooks act near the end of a growing list.
    for (int32_t i = ChildCount(); i-- > 0;)
        if (children_[i].get() == &child) return i;
    return -1;
}

int32_t cont::FirstUnplacedChild() const {
    // Fields a hook has just made, not placed yet, can only stand at the end.
    int32_t i = ChildCount();
    while (i > 0 && !Child(i - 1).Placed()) --i;
    return i;
}

int32_t cont::FirstChildEndingAfter(int32_t position) const {
    // Children follow in document order, so the ends of the placed ones never decrease and a long
    // sub-block chain is searched by halves. Unplaced children end nowhere.
    const auto placedend = children_.begin() + FirstUnplacedChild();
    const auto found = std::partition_point(children_.begin(), placedend,
                                            [&](const auto& child) { return child->End() <= position; });
    return found == placedend ? ChildCount() : static_cast<int32_t>(found - children_.begin());
}

}  // namespace quillmap
