#pragma once

#include "views/textlinestyle.h"

namespace quillmap {

// Numbers of 1 to 8 bytes, little-endian: the value in decimal on the field's first row, edited
// as one line and written back with Enter, after which the caret goes on to the next entry, so
// that numbers can be typed field after field.
class numberstyle : public textlinestyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;
    void EnterValueText(vwstruct& view, int32_t entry) const override;

protected:
    int32_t MaxLength(vwstruct& view) const override;
    bool Store(vwstruct& view) const override;
};

}  // namespace quillmap
