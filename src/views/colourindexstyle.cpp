#include "views/colourindexstyle.h"

#include "views/valuedrawing.h"
#include "views/vwstruct.h"

namespace quillmap {

void colourindexstyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field,
                                    int32_t row, int32_t length) const {
    numberstyle::DrawValueRow(view, area, start, field, row, length);
    if (row != 0 || start >= view.DocumentLength()) return;
    const int32_t colour = view.ColourOf(start);
    if (colour < 0) return;
    // Right of the widest colour number.
    platform::canvas& canvas = view.Canvas();
    const int32_t left = area.left + canvas.TextExtent("000").width + view.Metrics().Pad;
    DrawSwatch(canvas, {left, area.top - 1, area.right, area.bottom - 1}, static_cast<platform::colour>(colour));
}

}  // namespace quillmap
