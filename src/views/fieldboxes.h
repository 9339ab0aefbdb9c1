#pragma once

#include <cstdint>

#include "model/pole.h"
#include "views/structmetrics.h"

namespace quillmap {

// The two boxes at the right of a block's first row: a minus that closes the field's parent and
// a plus that opens the field itself.
enum class boxhit : uint8_t { none, collapse, expand };

// The right edge the boxes are measured from (unscrolled, like the metrics).
int32_t BoxesRight(const structmetrics& m);
// The box under a point: x unscrolled, y from the top of the block.
boxhit BoxAt(const structmetrics& m, int64_t x, int64_t y);
// Whether a point (as for BoxAt) is on the button an image block's data shows under the boxes.
bool ImageButtonAt(const structmetrics& m, int64_t x, int64_t y);
// A first child inside a container other than the root: its minus closes that container.
bool IsFirstChildOfInnerContainer(const pole& field);

}  // namespace quillmap
