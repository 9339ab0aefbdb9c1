// What every value text shares: the caret's entry, its text for drawing, and the way the caret
// moves into a neighbouring entry's value text, whatever that entry's style.
#include "views/valueeditor.h"

#include <algorithm>

#include "views/vwstruct.h"

namespace quillmap {

int32_t valueeditor::CaretEntry() const { return view_.rows_.PlaceOfLine(view_.caretline_).entry; }

const pole* valueeditor::CaretField() const {
    return view_.rows_.EntryCount() > 0 ? view_.rows_.Field(CaretEntry()) : nullptr;
}

bool valueeditor::HoldsCaret(const pole* field) const {
    return !view_.incodes_ && view_.rows_.EntryCount() > 0 && view_.rows_.Field(CaretEntry()) == field;
}

const std::string& valueeditor::Text() const { return view_.valuetext_; }

const std::vector<std::string>& valueeditor::Lines() const { return view_.valuelines_; }

int32_t valueeditor::Line() const { return view_.textline_; }

int32_t valueeditor::Column() const { return view_.caretcolumn_; }

int32_t valueeditor::AnchorColumn() const { return view_.anchorcolumn_; }

void valueeditor::Beep() const { view_.system_.Beep(); }

void valueeditor::Show() {
    view_.CalcCaretPixels();
    view_.EnsureCaretVisible();
}

void valueeditor::CloseOpenRecord() { view_.CloseOpenRecord(); }

int32_t valueeditor::EntryBefore(int32_t entry) const {
    const int32_t first = view_.rows_.FirstLine(entry);
    return first > 0 ? view_.rows_.PlaceOfLine(first - 1).entry : -1;
}

int32_t valueeditor::EntryAfter(int32_t entry) const {
    const rowtable& rows = view_.rows_;
    const int64_t below = int64_t(rows.FirstLine(entry)) + std::max(1, rows.Rows(entry));
    if (below > view_.lastline_) return -1;
    const int32_t next = rows.PlaceOfLine(static_cast<int32_t>(below)).entry;
    return next > entry ? next : -1;
}

int32_t valueeditor::ColumnAt(std::string_view text, int64_t x) {
    int32_t column = 0;
    for (int64_t left = x; column < static_cast<int32_t>(text.size()); ++column) {
        const int32_t width = view_.CharWidth(static_cast<unsigned char>(text[static_cast<size_t>(column)]));
        if (left < (width + 1) / 2) break;
        left -= width;
    }
    return column;
}

void valueeditor::EnterEntry(int32_t entry, int32_t line, int32_t column, bool shift) {
    vwstruct& v = view_;
    const int32_t rows = std::max(1, v.rows_.Rows(entry));
    // The bytes' text takes its row from the caret's line and clamps the column to the row.
    v.caretline_ = v.rows_.FirstLine(entry) + (line < 0 ? rows - 1 : std::min(line, rows - 1));
    v.caretcolumn_ = std::clamp(column, 0, v.ColumnCount());
    v.EnterValueText();
    if (!v.valuelines_.empty()) {
        const auto count = static_cast<int32_t>(v.valuelines_.size());
        GoToLine(line < 0 ? count - 1 : std::min(line, count - 1), column);
        return;
    }
    if (!shift) v.AnchorOnCaret();
}

}  // namespace quillmap
