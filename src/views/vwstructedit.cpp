// Editing the codes digit by digit: typing, deleting digits, codes, rows, fields and selections,
// and inserting byte strings. Every change goes through ReplaceBytes, which tells the tree,
// rebuilds the rows and records one step.
#include <algorithm>

#include "base/settings.h"
#include "views/bytesreplaced.h"
#include "views/digits.h"
#include "views/displaystyle.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

std::string Byte(int64_t value) { return std::string(1, static_cast<char>(value)); }

}  // namespace

bool vwstruct::RecordIsOpen() const {
    return !UndoList().empty() && UndoList().back().Kind == undokind::OpenRecord;
}

void vwstruct::CloseOpenRecord() {
    if (!RecordIsOpen()) return;
    undorec closed = UndoList().back();
    closed.Kind = undokind::BytesReplaced;
    History().ReplaceNewestUndo(std::move(closed));
}

bool vwstruct::EditBytes(int32_t offset, int32_t count, std::string_view newbytes, int32_t digitbefore,
                         int32_t caretafter, int32_t digitafter) {
    const bool changed =
        ReplaceBytes(offset, count, newbytes, CaretStateByte(true, digitbefore, digitafter), caretafter);
    incodes_ = true;
    curdigit_ = anchordigit_ = caretafter >= DocumentLength() ? 0 : digitafter;
    CalcCaretPixels();
    EnsureCaretVisible();
    return changed;
}

bool vwstruct::TypeChar(char character) {
    if (character == '\t') {
        ToggleArea();
        return false;
    }
    if (!incodes_) return TypeInValueText(character);
    const settingvalues& s = Settings();
    const int32_t base = s.TextBaseSyst;
    const int32_t d = DigitValue(character);
    if (d < 0 || d >= base) {
        system_.Beep();
        CloseOpenRecord();
        return false;
    }
    const int32_t pos = CaretLinear();
    const int32_t before = curdigit_;
    const bool open = RecordIsOpen();
    int64_t value = d;
    std::string s0;  // the code's digits before the typing, as the caret's next digit sees them
    bool insert = true;
    if (pos < DocumentLength() && !(open && curdigit_ == 0)) {
        std::string digits = CodeText(bytes_[static_cast<size_t>(pos)]);
        const auto at = static_cast<size_t>(std::min<int32_t>(curdigit_, static_cast<int32_t>(digits.size())));
        if (curdigit_ > 0 || !InsertMode() || s.FirstZeroes || open) {
            if (open) {
                digits.insert(at, 1, character);
            } else {
                if (at == digits.size()) digits += '0';
                digits[at] = character;
            }
            value = ReadDigits(digits, base);
        }
        if (value > 255) {
            system_.Beep();
            CloseOpenRecord();
            return false;
        }
        insert = !(curdigit_ > 0 || !InsertMode() || open);
        s0 = insert ? std::string(s.FirstZeroes ? DigitCount(255, base) : 0, '0') : CodeText(bytes_[static_cast<size_t>(pos)]);
    }
    const uint8_t code = static_cast<uint8_t>(value);
    const auto t = static_cast<int32_t>(CodeText(code).size());
    // A code that loses leading digits (200 overwritten to 000 reads 0) keeps the caret on it.
    int32_t digit = std::clamp(t + curdigit_ - static_cast<int32_t>(s0.size()) + 1, 0, t);
    int32_t after = pos;
    // No further digit could follow: the caret goes on to the next code.
    if (digit == t && (s.FirstZeroes || int64_t(base) * code > 255)) {
        digit = 0;
        after = pos + 1;
    }
    return EditBytes(pos, insert ? 0 : 1, Byte(code), before, after, digit);
}

bool vwstruct::DeleteAtCaret() {
    if (!incodes_) return DeleteInValueText(false);
    int32_t pos = CaretLinear();
    int32_t digit = curdigit_;
    const int32_t before = digit;
    if (pos >= DocumentLength()) return false;
    if (digit >= CodeDigits(pos)) {
        // After the code's last digit, Delete takes the next code's first.
        ++pos;
        digit = 0;
        if (pos >= DocumentLength()) return false;
    }
    std::string digits = CodeText(bytes_[static_cast<size_t>(pos)]);
    digits.erase(static_cast<size_t>(digit), 1);
    const int64_t value = digits.empty() ? 0 : ReadDigits(digits, Settings().TextBaseSyst);
    if (digits.empty() || (Settings().FirstZeroes && value == 0 && digit == static_cast<int32_t>(digits.size())))
        return EditBytes(pos, 1, {}, before, pos, 0);
    // With leading zeros the remaining digits move right behind a new zero, and so does the caret.
    return EditBytes(pos, 1, Byte(value), before, pos, Settings().FirstZeroes ? digit + 1 : digit);
}

bool vwstruct::Backspace() {
    if (!incodes_) return DeleteInValueText(true);
    const int32_t pos = CaretLinear();
    const int32_t digit = curdigit_;
    if (pos == 0 && digit == 0) return false;
    CaretLeft(false, false);
    if (!DeleteAtCaret()) return false;
    const int32_t byte = CaretLinear();
    if (Settings().FirstZeroes && byte < DocumentLength() &&
        DigitCount(255, Settings().TextBaseSyst) >=
            DigitCount(bytes_[static_cast<size_t>(byte)], Settings().TextBaseSyst) + curdigit_) {
        curdigit_ = anchordigit_ = 0;
        CalcCaretPixels();
    }
    // Undone, the caret comes back where the Backspace was pressed.
    if (UndoList().empty()) return true;  // a step larger than the whole undo budget
    undorec record = UndoList().back();
    bytesreplaced edit = DecodeBytesReplaced(record.Text);
    edit.caretstate = CaretStateByte(true, digit, DigitAfter(edit.caretstate));
    record.Text = EncodeBytesReplaced(edit);
    record.From = {pos, 0};
    History().ReplaceNewestUndo(std::move(record));
    return true;
}

bool vwstruct::DeleteSelection(bool record, bool) {
    if (!HasSelection()) return false;
    const codeselection selection = Selection();
    const int32_t before = curdigit_;
    bool changed = false;
    if (!incodes_) {
        changed = DeleteSelectionInValueText();
    } else if (selection.insidecode) {
        const int32_t pos = selection.frombyte;
        std::string digits = CodeText(bytes_[static_cast<size_t>(pos)]);
        const auto from = static_cast<size_t>(std::min<int32_t>(selection.fromdigit, static_cast<int32_t>(digits.size())));
        const auto to = static_cast<size_t>(std::min<int32_t>(selection.todigit, static_cast<int32_t>(digits.size())));
        digits.erase(from, to - from);
        if (digits.empty()) {
            changed = EditBytes(pos, 1, {}, before, pos, 0);
        } else {
            // With leading zeros the remaining digits shift right by as many as were removed.
            const auto digit = static_cast<int32_t>(Settings().FirstZeroes ? to : from);
            changed = EditBytes(pos, 1, Byte(ReadDigits(digits, Settings().TextBaseSyst)), before, pos, digit);
        }
    } else {
        changed = EditBytes(selection.frombyte, selection.tobyte - selection.frombyte, {}, before, selection.frombyte, 0);
    }
    if (!record) History().Clear();
    return changed;
}

bool vwstruct::Insert(std::string_view text, bool record, bool updatecaret) {
    const int32_t pos = CaretLinear();
    const int32_t end = pos + static_cast<int32_t>(text.size());
    if (!incodes_) {
        const bool changed = StyleOf(rows_.Field(rows_.PlaceOfLine(caretline_).entry)).InsertInValueText(*this, text);
        if (!record) History().Clear();
        return changed;
    }
    const bool changed = ReplaceBytes(pos, 0, text, CaretStateByte(true, curdigit_, 0), end);
    curdigit_ = anchordigit_ = 0;
    if (!record) History().Clear();
    if (updatecaret) {
        CalcCaretPixels();
        EnsureCaretVisible();
    }
    return changed;
}

void vwstruct::DeleteLine(bool whole) {
    if (!incodes_) return;
    const lineplace place = rows_.PlaceOfLine(caretline_);
    const int32_t entrystart = rows_.Start(place.entry);
    const int32_t entryend = std::min(entrystart + rows_.Extent(place.entry), DocumentLength());
    const int32_t start = whole ? entrystart : entrystart + place.row * ColumnCount();
    const int32_t end = whole ? entryend : std::min(start + ColumnCount(), entryend);
    if (end > start) EditBytes(start, end - start, {}, curdigit_, start, 0);
}

std::string vwstruct::CharNearCaret(bool after) const {
    int32_t pos = CaretLinear();
    if (!incodes_ && !valuelines_.empty()) {
        // A text of the field's own: its characters.
        const int32_t column = caretcolumn_ - (after ? 0 : 1);
        if (column < 0 || column >= static_cast<int32_t>(valuetext_.size())) return {};
        return valuetext_.substr(static_cast<size_t>(column), 1);
    }
    if (!incodes_) {
        // In the value text the characters are the bytes themselves.
        const int32_t byte = after ? pos : pos - 1;
        if (byte < 0 || byte >= DocumentLength()) return {};
        return std::string(1, static_cast<char>(bytes_[static_cast<size_t>(byte)]));
    }
    int32_t digit = curdigit_;
    if (after) {
        if (pos < DocumentLength() && digit >= CodeDigits(pos)) {
            ++pos;
            digit = 0;
        }
        if (pos >= DocumentLength()) return {};
    } else {
        if (digit == 0) {
            if (pos == 0) return {};
            --pos;
            digit = CodeDigits(pos);
        }
        --digit;
    }
    const std::string digits = CodeText(bytes_[static_cast<size_t>(pos)]);
    return digits.substr(static_cast<size_t>(std::clamp<int32_t>(digit, 0, static_cast<int32_t>(digits.size()) - 1)), 1);
}

}  // namespace quillmap
