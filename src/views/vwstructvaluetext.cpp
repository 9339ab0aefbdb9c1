// The value text of the structure view, as every field and gap has it for now: the caret's row
// of bytes as characters. The caret keeps counting bytes: column c of a row stands for its c-th
// byte, and a column after the row's last character is allowed. Tab goes between it and the codes.
#include <algorithm>

#include "base/settings.h"
#include "views/bytesreplaced.h"
#include "views/vwstruct.h"

namespace quillmap {

void vwstruct::EnterValueText() {
    incodes_ = false;
    textline_ = rows_.PlaceOfLine(caretline_).row;
    valuetext_ = GetLine(caretline_);
    caretcolumn_ = std::min(caretcolumn_, static_cast<int32_t>(valuetext_.size()));
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
    // Back in the codes; after the entry's last character, after the last code's digits.
    const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
    const int32_t byte = CaretLinear();
    if (byte >= rows_.Start(entry) + rows_.Extent(entry)) {
        const int32_t last = EntryLastPosition(entry);
        return MoveCaret(last, CodeDigits(last), false);
    }
    MoveCaret(byte, 0, false);
}

void vwstruct::MoveInValueText(valuemove move, bool shift, int32_t& rememberedx) {
    int32_t line = caretline_;
    int32_t column = caretcolumn_;
    const auto length = [this](int32_t at) { return static_cast<int32_t>(GetLine(at).size()); };
    switch (move) {
    case valuemove::left:
        if (column > 0) {
            --column;
        } else if (line > 0) {
            --line;
            column = length(line);
        }
        break;
    case valuemove::right:
        if (column < length(line)) {
            ++column;
        } else if (line < lastline_ && PositionToLinear(0, line + 1) < DocumentLength()) {
            ++line;
            column = 0;
        }
        break;
    case valuemove::up:
    case valuemove::down:
    case valuemove::pageup:
    case valuemove::pagedown: {
        if (rememberedx < 0) rememberedx = column;
        if (move == valuemove::up) line = std::max(0, line - 1);
        if (move == valuemove::down) line = std::min(lastline_, line + 1);
        if (move == valuemove::pageup || move == valuemove::pagedown) line = PageTarget(move == valuemove::pagedown);
        column = std::min(rememberedx, length(line));
        break;
    }
    case valuemove::linestart: column = 0; break;
    case valuemove::lineend: column = length(line); break;
    }
    caretline_ = line;
    caretcolumn_ = column;
    EnterValueText();
    if (!shift) {
        AnchorOnCaret();
    }
    CalcCaretPixels();
    EnsureCaretVisible();
}

bool vwstruct::EditValueBytes(int32_t offset, int32_t count, std::string_view newbytes, int32_t caretafter) {
    const bool changed = ReplaceBytes(offset, count, newbytes, CaretStateByte(false, 0, 0), caretafter);
    EnterValueText();
    CalcCaretPixels();
    EnsureCaretVisible();
    return changed;
}

bool vwstruct::TypeInValueText(char character) {
    const int32_t byte = CaretLinear();
    const bool overwrite = !InsertMode() && byte < DocumentLength();
    return EditValueBytes(byte, overwrite ? 1 : 0, std::string_view(&character, 1), byte + 1);
}

bool vwstruct::DeleteInValueText(bool before) {
    const int32_t byte = CaretLinear() - (before ? 1 : 0);
    if (byte < 0 || byte >= DocumentLength()) return false;
    return EditValueBytes(byte, 1, {}, byte);
}

bool vwstruct::DeleteSelectionInValueText() {
    const int32_t caret = CaretLinear();
    const int32_t anchor = PositionToLinear(anchorcolumn_, anchorline_);
    const int32_t from = std::min(caret, anchor);
    const int32_t to = std::min(std::max(caret, anchor), DocumentLength());
    if (to <= from) return false;
    return EditValueBytes(from, to - from, {}, from);
}

void vwstruct::ClickInValueText(int64_t x, int32_t line, bool extend) {
    if (extend) {
        // A drag stays in the entry it began in.
        const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
        line = std::clamp(line, rows_.FirstLine(entry), rows_.FirstLine(entry) + rows_.Rows(entry) - 1);
    }
    const std::string text = GetLine(line);
    int32_t column = 0;
    // Before the first character whose half width reaches past what is left of x.
    for (int64_t left = x; column < static_cast<int32_t>(text.size()); ++column) {
        const int32_t width = CharWidth(static_cast<unsigned char>(text[static_cast<size_t>(column)]));
        if (left < (width + 1) / 2) break;
        left -= width;
    }
    caretline_ = line;
    caretcolumn_ = column;
    EnterValueText();
    if (!extend) {
        AnchorOnCaret();
    }
}

}  // namespace quillmap
