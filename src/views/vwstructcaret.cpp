// The caret of the structure view stands on one digit of one code; these are its moves.
#include <algorithm>

#include "base/rounding.h"
#include "base/settings.h"
#include "views/digits.h"
#include "views/vwstruct.h"

namespace quillmap {

int32_t vwstruct::CodeDigits(int32_t byte) const {
    const int32_t base = Settings().TextBaseSyst;
    if (Settings().FirstZeroes || byte < 0 || byte >= DocumentLength()) return DigitCount(255, base);
    return DigitCount(bytes_[static_cast<size_t>(byte)], base);
}

int32_t vwstruct::EntryLastPosition(int32_t entry) const {
    return std::min(rows_.Start(entry) + std::max(1, rows_.Extent(entry)) - 1, DocumentLength());
}

void vwstruct::AnchorOnCaret() {
    anchorcolumn_ = caretcolumn_;
    anchorline_ = caretline_;
    anchordigit_ = curdigit_;
}

void vwstruct::PlaceCaretOnDigit(int32_t byte, int32_t digit, bool shift) {
    const textpos at = LinearToPosition(std::clamp(byte, 0, DocumentLength()));
    caretcolumn_ = at.column;
    caretline_ = at.line;
    curdigit_ = byte >= DocumentLength() ? 0 : digit;
    incodes_ = true;
    if (shift)
        NormaliseSelection();
    else
        AnchorOnCaret();
}

void vwstruct::MoveCaret(int32_t byte, int32_t digit, bool shift) {
    PlaceCaretOnDigit(byte, digit, shift);
    CalcCaretPixels();
    EnsureCaretVisible();
}

void vwstruct::NormaliseSelection() {
    const caretend anchor = AnchorEnd();
    if (anchor.byte < DocumentLength() && anchor.digit >= CodeDigits(anchor.byte)) {
        PlaceAnchorAt(anchor.byte + 1);
        anchordigit_ = 0;
    }
    const caretend caret = CaretEnd();
    if (caret.byte < DocumentLength() && caret.digit >= CodeDigits(caret.byte) && AnchorEnd() == caretend{caret.byte + 1, 0})
        AnchorOnCaret();
}

bool vwstruct::CaretLeft(bool ctrl, bool shift) {
    int32_t none = -1;
    if (!incodes_) {
        MoveInValueText(valuemove::left, shift, none);
        return true;
    }
    const int32_t byte = CaretLinear();
    if (!ctrl && curdigit_ > 0) {
        MoveCaret(byte, std::min(curdigit_, CodeDigits(byte)) - 1, shift);
        return true;
    }
    if (byte <= 0) return false;
    MoveCaret(byte - 1, ctrl ? 0 : CodeDigits(byte - 1) - 1, shift);
    return true;
}

bool vwstruct::CaretRight(bool ctrl, bool shift) {
    int32_t none = -1;
    if (!incodes_) {
        MoveInValueText(valuemove::right, shift, none);
        return true;
    }
    const int32_t byte = CaretLinear();
    if (byte >= DocumentLength()) return false;
    if (!ctrl && curdigit_ < CodeDigits(byte) - 1)
        MoveCaret(byte, curdigit_ + 1, shift);
    else
        MoveCaret(byte + 1, 0, shift);
    return true;
}

bool vwstruct::MoveToLine(int32_t line, bool shift, int32_t& rememberedx) {
    if (rememberedx < 0) rememberedx = caretcolumn_;
    const int32_t from = CaretLinear();
    const lineplace place = rows_.PlaceOfLine(line);
    const int64_t wanted = rows_.Start(place.entry) + int64_t(place.row) * ColumnCount() + rememberedx;
    const auto byte = static_cast<int32_t>(std::min<int64_t>(wanted, EntryLastPosition(place.entry)));
    int32_t digit = curdigit_;
    if (!Settings().FirstZeroes && from < DocumentLength() && byte < DocumentLength())
        digit = std::max(0, CodeDigits(byte) - (CodeDigits(from) - curdigit_));
    MoveCaret(byte, std::min(digit, CodeDigits(byte) - 1), shift);
    return true;
}

bool vwstruct::CaretUp(bool ctrl, bool shift, int32_t& rememberedx) {
    if (!incodes_) {
        MoveInValueText(valuemove::up, shift, rememberedx);
        return true;
    }
    if (caretline_ == 0) return false;
    int32_t line = caretline_ - 1;
    if (ctrl) {
        const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
        line = entry == 0 ? 0 : rows_.FirstLine(entry) - 1;
    }
    return MoveToLine(line, shift, rememberedx);
}

bool vwstruct::CaretDown(bool ctrl, bool shift, int32_t& rememberedx) {
    if (!incodes_) {
        MoveInValueText(valuemove::down, shift, rememberedx);
        return true;
    }
    if (caretline_ >= lastline_) return false;
    int32_t line = caretline_ + 1;
    if (ctrl) {
        const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
        line = entry + 1 < rows_.EntryCount() ? rows_.FirstLine(entry + 1) : lastline_;
    }
    return MoveToLine(line, shift, rememberedx);
}

void vwstruct::LineStart(bool shift) {
    int32_t none = -1;
    if (!incodes_) {
        MoveInValueText(valuemove::linestart, shift, none);
        return;
    }
    MoveCaret(CaretLinear() - caretcolumn_, 0, shift);
}

void vwstruct::LineEnd(bool shift) {
    int32_t none = -1;
    if (!incodes_) {
        MoveInValueText(valuemove::lineend, shift, none);
        return;
    }
    const int32_t rowstart = CaretLinear() - caretcolumn_;
    const lineplace place = rows_.PlaceOfLine(caretline_);
    const int32_t last = std::min({rowstart + ColumnCount() - 1, EntryLastPosition(place.entry), DocumentLength() - 1});
    // A row that holds no byte, at the end of the document, has no code to stand after.
    if (last < rowstart) return MoveCaret(rowstart, 0, shift);
    MoveCaret(last, CodeDigits(last), shift);
}

int32_t vwstruct::PageTarget(bool down) const {
    const int32_t lineheight = LineHeight();
    const int32_t crossing = RoundHalfEven(lineheight * (2 * Settings().FieldDist + 1));
    int64_t budget = RoundHalfEven(0.8 * clientheight_);
    int32_t line = caretline_;
    while (down ? line < lastline_ : line > 0) {
        const lineplace place = rows_.PlaceOfLine(line);
        const bool inside = down ? place.row + 1 < rows_.Rows(place.entry) : place.row > 0;
        if (inside) {
            if (budget < lineheight) break;
            budget -= lineheight;
            line += down ? 1 : -1;
            continue;
        }
        if (budget < crossing) break;
        budget -= crossing;
        int32_t entry = place.entry + (down ? 1 : -1);
        // Whole entries that fit in what is left are passed over at once.
        while ((down ? entry + 1 < rows_.EntryCount() : entry > 0) && BlockHeight(entry) <= budget) {
            budget -= BlockHeight(entry);
            entry += down ? 1 : -1;
        }
        line = down ? rows_.FirstLine(entry) : rows_.FirstLine(entry) + rows_.Rows(entry) - 1;
    }
    // However small the window, a page key moves at least one line.
    if (line == caretline_) line = std::clamp(caretline_ + (down ? 1 : -1), 0, lastline_);
    return line;
}

void vwstruct::PageUp(bool shift, int32_t& rememberedx) {
    if (!incodes_) {
        MoveInValueText(valuemove::pageup, shift, rememberedx);
        return;
    }
    if (caretline_ > 0) MoveToLine(PageTarget(false), shift, rememberedx);
}

void vwstruct::PageDown(bool shift, int32_t& rememberedx) {
    if (!incodes_) {
        MoveInValueText(valuemove::pagedown, shift, rememberedx);
        return;
    }
    if (caretline_ < lastline_) MoveToLine(PageTarget(true), shift, rememberedx);
}

void vwstruct::SelectAll() {
    incodes_ = true;
    curdigit_ = anchordigit_ = 0;
    const textpos end = LinearToPosition(DocumentLength());
    anchorcolumn_ = anchorline_ = 0;
    caretcolumn_ = end.column;
    caretline_ = end.line;
    CalcCaretPixels();
}

}  // namespace quillmap
