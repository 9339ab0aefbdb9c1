#include "model/cont.h"

#include <algorithm>

namespace quillmap {

namespace {

uint64_t ShapeChangeCount = 0;

bool Overlaps(const pole& field, int32_t position, int32_t count) {
    return field.Start() < position + count && position < field.End();
}

// A field that is laid out again must not keep places from its former layout anywhere inside.
void UnplaceSubtree(pole& field) {
    field.Unplace();
    if (!field.IsContainer()) return;
    auto& container = static_cast<cont&>(field);
    for (int32_t i = 0; i < container.ObjectCount(); ++i) UnplaceSubtree(container.Child(i));
    if (container.Run()) container.Run()->UnplaceFrom(0);
}

}  // namespace

uint64_t ShapeChanges() { return ShapeChangeCount; }

void NoteShapeChange() { ++ShapeChangeCount; }

cont::cont(fieldhost& view, cont* parent, fieldkind kind) : pole(view, parent, kind) {}

cont::~cont() {
    // Children first, last to first, so that no child outlives the fields it came after.
    run_.reset();
    while (!children_.empty()) children_.pop_back();
}

void cont::SetStart(int32_t position) {
    start_ = position;
    if (!children_.empty()) children_.front()->SetStart(position);
}

int32_t cont::ChildStart(int32_t index) const {
    return index < ObjectCount() ? children_[index]->Start() : run_->StartOf(index - ObjectCount());
}

int32_t cont::ChildEnd(int32_t index) const {
    if (index < ObjectCount()) return children_[index]->End();
    return run_->StartOf(index - ObjectCount()) + run_->LengthOf(index - ObjectCount());
}

uint32_t cont::ChildSerial(int32_t index) const {
    return index < ObjectCount() ? children_[index]->Serial() : run_->SerialOf(index - ObjectCount());
}

void cont::ForgetRunFields() const {
    if (run_) run_->Forget();
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
    NoteShapeChange();
    pole& child = Child(j);
    if (!child.Placed()) child.SetStart(j == 0 ? start_ : ChildEnd(j - 1));
    const int32_t outer = layoutindex_;
    layoutindex_ = j;
    child.Parse();
    layoutindex_ = outer;
}

void cont::LayOutFrom(int32_t k) {
    // A child's Parse may append children, so the count is read again on every pass.
    for (int32_t j = k; j < ChildCount(); ++j) {
        if (j >= ObjectCount()) {
            NoteShapeChange();
            run_->LayOutFrom(j - ObjectCount(), j == 0 ? start_ : ChildEnd(j - 1));
            break;
        }
        LayOutChild(j);
    }
}

void cont::MeasureFromChildren() { length_ = ChildCount() == 0 ? 0 : ChildEnd(ChildCount() - 1) - start_; }

void cont::Parse() {
    LayOutFrom(0);
    MeasureFromChildren();
}

void cont::RelayoutFrom(int32_t k) {
    NoteShapeChange();
    for (int32_t j = k + 1; j < ObjectCount(); ++j) UnplaceSubtree(Child(j));
    if (run_) run_->UnplaceFrom(std::max(0, k + 1 - ObjectCount()));
    LayOutFrom(k);
    MeasureFromChildren();
}

void cont::CollectShown(bool force, std::vector<shownpart>& parts) {
    if (!expanded_ && !force) {
        pole::CollectShown(force, parts);
        return;
    }
    for (const auto& child : children_) child->CollectShown(force, parts);
    if (run_) parts.push_back({nullptr, this});
}

void cont::GapText(int32_t, std::string& text) const { text.clear(); }

void cont::Reset() { TruncateChildren(0); }

void cont::TruncateChildren(int32_t k) {
    NoteShapeChange();
    if (k < 0) k = 0;
    if (run_ && k > ObjectCount()) {
        run_->TruncateTo(k - ObjectCount());
        return;
    }
    run_.reset();
    while (ObjectCount() > k) children_.pop_back();
}

int32_t cont::IndexOf(const pole& child) const {
    if (layoutindex_ >= 0 && layoutindex_ < ObjectCount() && children_[layoutindex_].get() == &child)
        return layoutindex_;
    if (run_) {
        if (const int32_t index = run_->IndexOf(child); index >= 0) return ObjectCount() + index;
    }
    // Hooks act near the end of a growing list.
    for (int32_t i = ObjectCount(); i-- > 0;)
        if (children_[i].get() == &child) return i;
    return -1;
}

int32_t cont::FirstUnplacedChild() const {
    if (run_ && run_->PlacedCount() > 0) return ObjectCount() + run_->PlacedCount();
    // Fields a hook has just made, not placed yet, can only stand at the end.
    int32_t i = ObjectCount();
    while (i > 0 && !children_[i - 1]->Placed()) --i;
    return i;
}

int32_t cont::FirstChildEndingAfter(int32_t position) const {
    // Children follow in document order, so the ends of the placed ones never decrease and a long
    // list is searched by halves. Unplaced children end nowhere.
    const int32_t placed = FirstUnplacedChild();
    const auto objectsend = children_.begin() + std::min(placed, ObjectCount());
    const auto found = std::partition_point(children_.begin(), objectsend,
                                            [&](const auto& child) { return child->End() <= position; });
    if (found != objectsend) return static_cast<int32_t>(found - children_.begin());
    if (placed > ObjectCount()) {
        const int32_t index = run_->FirstEndingAfter(position);
        if (index < run_->PlacedCount()) return ObjectCount() + index;
    }
    return ChildCount();
}

}  // namespace quillmap
