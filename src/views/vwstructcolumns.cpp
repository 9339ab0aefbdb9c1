// The number of codes per row: rows laid out again around a caret that keeps its byte.
#include <algorithm>

#include "base/settings.h"
#include "views/vwstruct.h"

namespace quillmap {

void vwstruct::SetColumnCount(int32_t n) {
    n = std::clamp(n, 2, 999);
    if (n != ColumnCount()) {
        const int32_t entry = rows_.PlaceOfLine(caretline_).entry;
        const int32_t start = rows_.Start(entry);
        const int32_t offset = CaretLinear() - start;
        Settings().ColumnCount = n;
        RebuildRows();
        if (!incodes_ && !valuelines_.empty()) {
            // A number's or a flags byte's text keeps its line and column, afresh from the field.
            caretline_ = rows_.FirstLine(entry);
            valuetext_ = valuelines_[static_cast<size_t>(std::clamp(textline_, 0, int32_t(valuelines_.size()) - 1))];
            caretcolumn_ = std::min(caretcolumn_, static_cast<int32_t>(valuetext_.size()));
            return Relaid();
        }
        caretline_ = rows_.FirstLine(entry) + offset / n;
        caretcolumn_ = offset % n;
        // After the entry's last byte, at a row boundary, the caret ends the row it follows
        // rather than opening a row of its own.
        const int32_t entryend = std::min(start + rows_.Extent(entry), DocumentLength());
        if (offset > 0 && offset % n == 0 && start + offset >= entryend) {
            --caretline_;
            caretcolumn_ = n;
        }
        if (!incodes_) {
            // The bytes' value text: its line is the caret's row.
            textline_ = caretline_ - rows_.FirstLine(entry);
            valuetext_ = GetLine(caretline_);
        }
        return Relaid();
    }
    if (columnwindow_) columnwindow_->ShowCount();
}

void vwstruct::Relaid() {
    AnchorOnCaret();
    CalcCaretPixels();
    EnsureCaretVisible();
    if (onrefresh) onrefresh();
    if (columnwindow_) columnwindow_->ShowCount();
}

void vwstruct::ShowColumnWindow() {
    if (app_ == nullptr) return;
    if (!columnwindow_) columnwindow_ = std::make_unique<stolbokno>(*app_, system_, *this);
    columnwindow_->Show();
}

}  // namespace quillmap
