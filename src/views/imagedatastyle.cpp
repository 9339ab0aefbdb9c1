#include "views/imagedatastyle.h"

#include <algorithm>

#include "views/vwstruct.h"

namespace quillmap {

void imagedatastyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field,
                                  int32_t row, int32_t length) const {
    compositestyle::DrawValueRow(view, area, start, field, row, length);
    if (row != 0) return;
    // A block of one low row shows the button's top part only.
    const int32_t height = std::min(imagebutton::Size, area.Height() - 5);
    if (height > 0) button_.Draw(view.Canvas(), {area.right + 4, area.top + 7}, height);
}

}  // namespace quillmap
