#pragma once

#include "views/numberstyle.h"

namespace quillmap {

// A one-byte colour number: drawn as a number, followed by a swatch of the colour it selects
// when it selects one; edited as a number.
class colourindexstyle final : public numberstyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;
};

}  // namespace quillmap
