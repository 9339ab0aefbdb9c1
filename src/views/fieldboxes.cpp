#include "views/fieldboxes.h"

#include "model/cont.h"

namespace quillmap {

int32_t BoxesRight(const structmetrics& m) { return m.ValueLeft + m.ValueWidth - m.Pad; }

boxhit BoxAt(const structmetrics& m, int64_t x, int64_t y) {
    // The boxes stand one pixel below the block's top and are nine pixels square.
    if (y < 0 || y > 8) return boxhit::none;
    const int64_t left = x - BoxesRight(m);
    if (left >= -20 && left <= -12) return boxhit::collapse;
    if (left >= -10 && left <= -2) return boxhit::expand;
    return boxhit::none;
}

bool ImageButtonAt(const structmetrics& m, int64_t x, int64_t y) {
    const int64_t left = x - BoxesRight(m);
    return y >= 10 && y <= 29 && left >= -20 && left <= -2;
}

bool IsFirstChildOfInnerContainer(const pole& field) {
    const cont* parent = field.Parent();
    return parent && parent->Parent() && parent->ChildCount() > 0 && &parent->Child(0) == &field;
}

}  // namespace quillmap
