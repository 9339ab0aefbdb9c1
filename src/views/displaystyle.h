#pragma once

#include <cstdint>

#include "model/pole.h"
#include "platform/geometry.h"

namespace quillmap {

class vwstruct;

// A field's display style: the shared behaviours that draw its value column. The field names
// its style; the view owns one instance of each, and gap entries use the composite one.
class displaystyle {
public:
    virtual ~displaystyle() = default;
    // One row of the value column: area is the row's rectangle, start and length the entry's.
    virtual void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field,
                              int32_t row, int32_t length) const = 0;
};

// The style that draws an entry's value; null stands for a gap.
const displaystyle& StyleOf(const pole* field);

}  // namespace quillmap
