#pragma once

#include "views/displaystyle.h"

namespace quillmap {

// The styles whose value text is lines of their own (a number, the groups of a flags byte, a
// colour's empty text). Moving, inserting, deleting and clicking work alike on all of them; the
// lines, how long the caret's line may grow and what Enter stores are each style's.
class textlinestyle : public displaystyle {
public:
    void MoveInValueText(vwstruct& view, valuemove move, bool shift, int32_t& rememberedx) const override;
    // Enter stores the caret's line; any other character is taken into it, unchecked.
    bool TypeInValueText(vwstruct& view, char character) const override;
    bool InsertInValueText(vwstruct& view, std::string_view text) const override;
    bool DeleteInValueText(vwstruct& view, bool before) const override;
    bool DeleteSelectionInValueText(vwstruct& view) const override;
    void ClickInValueText(vwstruct& view, int64_t x, int32_t entry, int32_t row, bool extend) const override;

protected:
    // The most characters the caret's line may hold.
    virtual int32_t MaxLength(vwstruct& view) const = 0;
    // Enter: the caret's line checked and written into the field's bytes, or a beep.
    virtual bool Store(vwstruct& view) const = 0;
};

}  // namespace quillmap
