#pragma once

#include "views/displaystyle.h"

namespace quillmap {

// Containers, texts and gaps: the row's bytes as characters, the selected ones highlighted; the
// value text is those characters, and typing one puts its code in as a byte.
class compositestyle : public displaystyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;
    void EnterValueText(vwstruct& view, int32_t entry) const override;
    void MoveInValueText(vwstruct& view, valuemove move, bool shift, int32_t& rememberedx) const override;
    bool TypeInValueText(vwstruct& view, char character) const override;
    bool InsertInValueText(vwstruct& view, std::string_view text) const override;
    bool DeleteInValueText(vwstruct& view, bool before) const override;
    bool DeleteSelectionInValueText(vwstruct& view) const override;
    void ClickInValueText(vwstruct& view, int64_t x, int32_t entry, int32_t row, bool extend) const override;
};

}  // namespace quillmap
