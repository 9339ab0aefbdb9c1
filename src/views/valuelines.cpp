// Value texts with lines of their own (a number, a flags byte's groups, a colour's empty text).
// The caret's line is edited as ValueText; the lines stay as stored until Enter stores one. The
// caret stays on the entry's first line of codes, its column counting characters of ValueText.
#include <algorithm>

#include "views/bytesreplaced.h"
#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

void valueeditor::EnterLines(int32_t entry, std::vector<std::string> lines) {
    vwstruct& v = view_;
    if (lines.empty()) lines.emplace_back();
    v.incodes_ = false;
    v.caretline_ = v.anchorline_ = v.rows_.FirstLine(entry);
    v.caretcolumn_ = v.anchorcolumn_ = 0;
    v.valuelines_ = std::move(lines);
    v.textline_ = 0;
    v.valuetext_ = v.valuelines_.front();
}

void valueeditor::GoToLine(int32_t line, int32_t column) {
    vwstruct& v = view_;
    v.textline_ = line;
    v.valuetext_ = v.valuelines_[static_cast<size_t>(line)];
    v.caretcolumn_ = v.anchorcolumn_ = std::clamp(column, 0, static_cast<int32_t>(v.valuetext_.size()));
    v.anchorline_ = v.caretline_;
}

void valueeditor::SetColumn(int32_t column, bool shift) {
    vwstruct& v = view_;
    v.caretcolumn_ = column;
    if (!shift) v.anchorcolumn_ = column;
    v.anchorline_ = v.caretline_;
}

void valueeditor::MoveOverLines(valuemove move, bool shift, int32_t& rememberedx) {
    vwstruct& v = view_;
    const int32_t entry = CaretEntry();
    const int32_t line = v.textline_;
    const auto last = static_cast<int32_t>(v.valuelines_.size()) - 1;
    const int32_t column = v.caretcolumn_;
    const auto length = static_cast<int32_t>(v.valuetext_.size());
    const int32_t before = EntryBefore(entry);
    const int32_t after = EntryAfter(entry);
    constexpr int32_t end = INT32_MAX;
    // A selection stays on its line: leaving the line takes the anchor along.
    switch (move) {
    case valuemove::left:
        if (column > 0)
            SetColumn(column - 1, shift);
        else if (line > 0)
            GoToLine(line - 1, end);
        else if (before >= 0)
            EnterEntry(before, -1, end, false);
        break;
    case valuemove::right:
        if (column < length)
            SetColumn(column + 1, shift);
        else if (line < last)
            GoToLine(line + 1, 0);
        else if (after >= 0 && v.rows_.Start(after) < v.DocumentLength())
            EnterEntry(after, 0, 0, false);
        break;
    case valuemove::up:
    case valuemove::down:
    case valuemove::pageup:
    case valuemove::pagedown:
        if (rememberedx < 0) rememberedx = column;
        if (move == valuemove::pageup)
            GoToLine(0, rememberedx);
        else if (move == valuemove::pagedown)
            GoToLine(last, rememberedx);
        else if (move == valuemove::up && line > 0)
            GoToLine(line - 1, rememberedx);
        else if (move == valuemove::up && before >= 0)
            EnterEntry(before, -1, rememberedx, false);
        else if (move == valuemove::down && line < last)
            GoToLine(line + 1, rememberedx);
        else if (move == valuemove::down && after >= 0)
            EnterEntry(after, 0, rememberedx, false);
        break;
    case valuemove::linestart: SetColumn(0, shift); break;
    case valuemove::lineend: SetColumn(length, shift); break;
    }
    Show();
}

bool valueeditor::TypeInLine(char character, int32_t maxlength) {
    vwstruct& v = view_;
    CloseOpenRecord();
    std::string text = v.valuetext_;
    const auto column = static_cast<size_t>(std::clamp(v.caretcolumn_, 0, static_cast<int32_t>(text.size())));
    if (!v.InsertMode() && column < text.size()) text.erase(column, 1);
    if (static_cast<int64_t>(text.size()) >= maxlength) {
        Beep();
        return false;
    }
    text.insert(column, 1, character);
    v.valuetext_ = std::move(text);
    SetColumn(static_cast<int32_t>(column) + 1, false);
    Show();
    return false;
}

bool valueeditor::InsertInLine(std::string_view text, int32_t maxlength) {
    vwstruct& v = view_;
    CloseOpenRecord();
    if (static_cast<int64_t>(v.valuetext_.size() + text.size()) > maxlength) {
        Beep();
        return false;
    }
    const auto column = static_cast<size_t>(std::clamp(v.caretcolumn_, 0, static_cast<int32_t>(v.valuetext_.size())));
    v.valuetext_.insert(column, text);
    SetColumn(static_cast<int32_t>(column + text.size()), false);
    Show();
    return false;
}

bool valueeditor::DeleteInLine(bool before) {
    vwstruct& v = view_;
    int32_t column = std::clamp(v.caretcolumn_, 0, static_cast<int32_t>(v.valuetext_.size()));
    if (before) {
        if (column == 0) return false;
        --column;
    } else if (column >= static_cast<int32_t>(v.valuetext_.size())) {
        return false;
    }
    v.valuetext_.erase(static_cast<size_t>(column), 1);
    SetColumn(column, false);
    Show();
    return false;
}

bool valueeditor::DeleteSelectedInLine() {
    vwstruct& v = view_;
    const auto size = static_cast<int32_t>(v.valuetext_.size());
    const int32_t from = std::clamp(std::min(v.caretcolumn_, v.anchorcolumn_), 0, size);
    const int32_t to = std::clamp(std::max(v.caretcolumn_, v.anchorcolumn_), 0, size);
    v.valuetext_.erase(static_cast<size_t>(from), static_cast<size_t>(to - from));
    SetColumn(from, false);
    Show();
    return false;
}

void valueeditor::ClickLine(int64_t x, int32_t row, bool extend) {
    vwstruct& v = view_;
    if (!extend) {
        v.textline_ = std::clamp(row, 0, static_cast<int32_t>(v.valuelines_.size()) - 1);
        v.valuetext_ = v.valuelines_[static_cast<size_t>(v.textline_)];
    }
    SetColumn(ColumnAt(v.valuetext_, x), extend);
}

void valueeditor::RestoreLine() {
    vwstruct& v = view_;
    Beep();
    v.valuetext_ = v.valuelines_[static_cast<size_t>(v.textline_)];
    SetColumn(std::min(v.caretcolumn_, static_cast<int32_t>(v.valuetext_.size())), false);
    Show();
}

bool valueeditor::WriteField(const pole& field, const std::string& bytes, bool stay) {
    vwstruct& v = view_;
    // The recheck may replace the field: what is needed of it is taken first.
    const int32_t start = std::max(0, field.Start());
    const int32_t length = field.Length();
    const int32_t line = v.textline_;
    const int32_t column = v.caretcolumn_;
    CloseOpenRecord();
    const int32_t documentlength = v.DocumentLength();
    // A field past the end of the document: the bytes up to it become zeros.
    const int32_t offset = std::min(start, documentlength);
    const std::string newbytes = std::string(static_cast<size_t>(start - offset), '\0') + bytes;
    const int32_t count = std::clamp(documentlength - offset, 0, length);
    const int64_t after = stay ? start : int64_t(start) + length;
    const bool changed = v.ReplaceBytes(offset, count, newbytes, CaretStateByte(false, 0, 0),
                                        static_cast<int32_t>(std::min<int64_t>(after, v.DocumentLength())));
    v.EnterValueText();
    if (stay && !v.valuelines_.empty())
        GoToLine(std::min(line, static_cast<int32_t>(v.valuelines_.size()) - 1), column);
    else
        v.AnchorOnCaret();
    Show();
    return changed;
}

}  // namespace quillmap
