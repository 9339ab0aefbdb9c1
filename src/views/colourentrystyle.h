#pragma once

#include "views/textlinestyle.h"

namespace quillmap {

// A colour map entry of three bytes, red, green, blue: a swatch of the colour. Its value text is
// empty and cannot be edited; the caret only passes through it.
class colourentrystyle final : public textlinestyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;
    void EnterValueText(vwstruct& view, int32_t entry) const override;
    bool TypeInValueText(vwstruct& view, char character) const override;
    bool InsertInValueText(vwstruct& view, std::string_view text) const override;
    bool DeleteInValueText(vwstruct& view, bool before) const override;
    bool DeleteSelectionInValueText(vwstruct& view) const override;
    void ClickInValueText(vwstruct& view, int64_t x, int32_t entry, int32_t row, bool extend) const override;

protected:
    int32_t MaxLength(vwstruct&) const override { return 0; }
    bool Store(vwstruct& view) const override;
};

}  // namespace quillmap
