#include "views/textlinestyle.h"

#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

void textlinestyle::MoveInValueText(vwstruct& view, valuemove move, bool shift, int32_t& rememberedx) const {
    valueeditor(view).MoveOverLines(move, shift, rememberedx);
}

bool textlinestyle::TypeInValueText(vwstruct& view, char character) const {
    if (character == '\r') return Store(view);
    return valueeditor(view).TypeInLine(character, MaxLength(view));
}

bool textlinestyle::InsertInValueText(vwstruct& view, std::string_view text) const {
    return valueeditor(view).InsertInLine(text, MaxLength(view));
}

bool textlinestyle::DeleteInValueText(vwstruct& view, bool before) const {
    return valueeditor(view).DeleteInLine(before);
}

bool textlinestyle::DeleteSelectionInValueText(vwstruct& view) const {
    return valueeditor(view).DeleteSelectedInLine();
}

void textlinestyle::ClickInValueText(vwstruct& view, int64_t x, int32_t entry, int32_t row, bool extend) const {
    valueeditor editor(view);
    // From the codes or another field the lines are this field's first.
    if (!editor.HoldsCaret(view.Rows().Field(entry))) EnterValueText(view, entry);
    editor.ClickLine(x, row, extend);
}

}  // namespace quillmap
