#pragma once

#include <cstdint>
#include <string_view>

#include "model/pole.h"
#include "platform/geometry.h"
#include "views/valuemove.h"

namespace quillmap {

class vwstruct;

// A field's display style: the eight shared behaviours that draw its value column and edit its
// value text. The field names its style; one instance of each exists, and gap entries use the
// composite one. entry is the row-table entry the caret is in (or is being put in).
class displaystyle {
public:
    virtual ~displaystyle() = default;
    // One row of the value column: area is the row's rectangle, start and length the entry's.
    virtual void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field,
                              int32_t row, int32_t length) const = 0;
    // The value text of the caret's entry, as Tab, a click, undo or a move into the entry finds it.
    virtual void EnterValueText(vwstruct& view, int32_t entry) const = 0;
    virtual void MoveInValueText(vwstruct& view, valuemove move, bool shift, int32_t& rememberedx) const = 0;
    // The results say whether the layout may have changed.
    virtual bool TypeInValueText(vwstruct& view, char character) const = 0;
    virtual bool InsertInValueText(vwstruct& view, std::string_view text) const = 0;
    // Delete (before false) or Backspace (before true) without a selection.
    virtual bool DeleteInValueText(vwstruct& view, bool before) const = 0;
    virtual bool DeleteSelectionInValueText(vwstruct& view) const = 0;
    // x from the value column's left edge, row from the entry's first row; with extend the caret
    // stays in its entry and the anchor where it is.
    virtual void ClickInValueText(vwstruct& view, int64_t x, int32_t entry, int32_t row, bool extend) const = 0;
};

// The style of an entry's field; null stands for a gap.
const displaystyle& StyleOf(const pole* field);

}  // namespace quillmap
