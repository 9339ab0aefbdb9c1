#pragma once

#include "views/displaystyle.h"

namespace quillmap {

// Containers, texts and gaps: the row's bytes as characters, the selected ones highlighted.
class compositestyle final : public displaystyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;
};

}  // namespace quillmap
