#pragma once

#include "views/textlinestyle.h"

namespace quillmap {

// A flags field's bit groups: each group's value in decimal on a line of its own, edited line by
// line; Enter writes the group back into the bytes and leaves the caret where it is.
class flagsstyle final : public textlinestyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;
    void EnterValueText(vwstruct& view, int32_t entry) const override;

protected:
    int32_t MaxLength(vwstruct& view) const override;
    bool Store(vwstruct& view) const override;
};

}  // namespace quillmap
