// The value text of the structure view: Tab goes between it and the codes, and everything in it
// is the caret field's display style's (a gap's is the composite style's).
#include <algorithm>

#include "views/bytesreplaced.h"
#include "views/displaystyle.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

const displaystyle& StyleOfEntry(const rowtable& rows, int32_t entry) {
    return StyleOf(rows.EntryCount() > 0 ? rows.Field(entry) : nullptr);
}

}  // namespace

void vwstruct::EnterValueText() {
    incodes_ = false;
    const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
    StyleOfEntry(rows_, entry).EnterValueText(*this, entry);
}

void vwstruct::ToggleArea() {
    CloseOpenRecord();
    if (incodes_) {
        EnterValueText();
        AnchorOnCaret();
        CalcCaretPixels();
        EnsureCaretVisible();
        return;
    }
    const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
    // A text of the field's own stands for the field: back on its first code.
    if (!valuelines_.empty()) return MoveCaret(rows_.Start(entry), 0, false);
    // Back in the codes; after the entry's last character, after the last code's digits.
    const int32_t byte = CaretLinear();
    if (byte >= rows_.Start(entry) + rows_.Extent(entry)) {
        const int32_t last = EntryLastPosition(entry);
        return MoveCaret(last, CodeDigits(last), false);
    }
    MoveCaret(byte, 0, false);
}

void vwstruct::MoveInValueText(valuemove move, bool shift, int32_t& rememberedx) {
    StyleOfEntry(rows_, rows_.PlaceOfLine(caretline_).entry).MoveInValueText(*this, move, shift, rememberedx);
}

bool vwstruct::EditValueBytes(int32_t offset, int32_t count, std::string_view newbytes, int32_t caretafter) {
    const bool changed = ReplaceBytes(offset, count, newbytes, CaretStateByte(false, 0, 0), caretafter);
    EnterValueText();
    CalcCaretPixels();
    EnsureCaretVisible();
    return changed;
}

bool vwstruct::TypeInValueText(char character) {
    return StyleOfEntry(rows_, rows_.PlaceOfLine(caretline_).entry).TypeInValueText(*this, character);
}

bool vwstruct::DeleteInValueText(bool before) {
    return StyleOfEntry(rows_, rows_.PlaceOfLine(caretline_).entry).DeleteInValueText(*this, before);
}

bool vwstruct::DeleteSelectionInValueText() {
    return StyleOfEntry(rows_, rows_.PlaceOfLine(caretline_).entry).DeleteSelectionInValueText(*this);
}

void vwstruct::ClickInValueText(int64_t x, int32_t entry, int32_t row, bool extend) {
    StyleOfEntry(rows_, entry).ClickInValueText(*this, x, entry, row, extend);
}

}  // namespace quillmap
