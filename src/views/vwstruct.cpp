#include "views/vwstruct.h"

#include <algorithm>
#include <cstring>

#include "base/bytefile.h"
#include "base/rounding.h"
#include "base/settings.h"
#include "views/digits.h"
#include "views/bytesreplaced.h"
#include "views/documentfile.h"

namespace quillmap {

vwstruct::vwstruct(platform::canvas& surface, platform::system& system, const rootmaker& makeroot)
    : vwcommon(surface), system_(system), root_(makeroot(*this)) {
    root_->SetStart(0);
    root_->Parse();
    rows_.Build(*root_, DocumentLength(), ColumnCount());
    UpdateMetrics();
    RebuildRows();
}

void vwstruct::UpdateMetrics() {
    metrics_ = ComputeMetrics(canvas_, {origin_.x, origin_.y, clientwidth_, ColumnCount(), LineHeight(), printing_});
}

vwstruct::~vwstruct() = default;

void vwstruct::ReadBytes(int32_t position, int32_t n, uint8_t* destination) const {
    if (n <= 0) return;
    std::memset(destination, 0, static_cast<size_t>(n));
    const int64_t from = std::max<int64_t>(position, 0);
    const int64_t to = std::min<int64_t>(int64_t(position) + n, DocumentLength());
    if (from < to) std::memcpy(destination + (from - position), bytes_.data() + from, static_cast<size_t>(to - from));
}

int32_t vwstruct::ColumnCount() const { return std::max(1, Settings().ColumnCount); }

std::string vwstruct::GetLine(int32_t line) const { return rows_.GetLine(line, bytes_); }

void vwstruct::RebuildRows() {
    rows_.Build(*root_, DocumentLength(), ColumnCount());
    lastline_ = rows_.LastLine();
    blocktops_.resize(static_cast<size_t>(rows_.EntryCount()) + 1);
    blocktops_[0] = 0;
    for (int32_t k = 0; k < rows_.EntryCount(); ++k)
        blocktops_[k + 1] = blocktops_[k] + BlockHeight(k) + metrics_.FieldLinePx;
}

int32_t vwstruct::BlockHeight(int32_t entry) const {
    if (const pole* field = rows_.Field(entry)) return field->Height();
    const double lineheight = LineHeight();
    return RoundHalfEven(rows_.Rows(entry) * lineheight + lineheight * 2 * Settings().FieldDist);
}

textpos vwstruct::LinearToPosition(int32_t linear) const {
    if (rows_.EntryCount() == 0) return {};
    const int32_t entry = rows_.EntryAt(linear);
    const int32_t offset = std::max(0, linear - rows_.Start(entry));
    const int32_t columns = ColumnCount();
    return {offset % columns, rows_.FirstLine(entry) + offset / columns};
}

int32_t vwstruct::PositionToLinear(int32_t column, int32_t line) const {
    if (rows_.EntryCount() == 0) return column;
    const lineplace place = rows_.PlaceOfLine(line);
    return rows_.Start(place.entry) + place.row * ColumnCount() + column;
}

void vwstruct::CalcCaretPixels() {
    const structmetrics& m = metrics_;
    const int32_t linear = PositionToLinear(caretcolumn_, caretline_);
    const lineplace place = rows_.PlaceOfLine(caretline_);
    const int64_t caretleft0 = int64_t(origin_.x) + RoundHalfEven(3 * Settings().HDistance * m.CoordDigitWidth) +
                               int64_t(m.CoordDigits) * m.CoordDigitWidth + m.LinePx + 1;
    const int64_t top = int64_t(origin_.y) + LineHeight() + m.LinePx + 3 + m.FieldPad + BlocksAbove(place.entry);
    if (!incodes_) {
        carety_ = static_cast<int32_t>(top + int64_t(textline_) * LineHeight() - scrolly_);
        caretx_ = static_cast<int32_t>(caretleft0 + int64_t(ColumnCount()) * m.CellPitch + m.Pad + m.MarginPx +
                                       WidthOfFirst(valuetext_, caretcolumn_) - scrollx_);
        return;
    }
    carety_ = static_cast<int32_t>(top + int64_t(place.row) * LineHeight() - scrolly_);
    const int32_t base = Settings().TextBaseSyst;
    const int32_t widest = DigitCount(255, base);
    const int64_t cell = caretleft0 + int64_t(caretcolumn_) * m.CellPitch - scrollx_;
    const bool atend = linear >= DocumentLength();
    if (!Settings().FirstZeroes && !atend) {
        // The code is right-aligned in its cell: the caret sits among its own digits.
        const int32_t digits = DigitCount(bytes_[static_cast<size_t>(linear)], base);
        curdigit_ = std::min(curdigit_, digits);
        caretx_ = static_cast<int32_t>(cell + int64_t(widest + curdigit_ - digits) * m.DigitWidth);
        return;
    }
    curdigit_ = std::min(curdigit_, widest);
    caretx_ = static_cast<int32_t>(cell + int64_t(curdigit_) * m.DigitWidth + (atend ? m.CodeWidth : 0));
}

int64_t vwstruct::ScrollToLine(int32_t line) const {
    const lineplace place = rows_.PlaceOfLine(line);
    return BlocksAbove(place.entry) + RoundHalfEven(LineHeight() * (place.row + Settings().FieldDist));
}

void vwstruct::EnsureCaretVisible() {
    const settingvalues& settings = Settings();
    const platform::rect bounds = DrawingBounds();
    const int32_t vstep = std::max(0, settings.VScrollStep - 1);
    // In a value text the field's first row is the line that must show.
    const int32_t line = incodes_ ? caretline_ : rows_.FirstLine(rows_.PlaceOfLine(caretline_).entry);
    if (carety_ - origin_.y < bounds.top) {
        SetScrollY(static_cast<int32_t>(ScrollToLine(line - std::min(line, vstep))));
    } else if (carety_ > clientheight_ + origin_.y - TextHeight() + 1) {
        const int32_t below = line + std::min(std::max(0, lastline_ - line), vstep);
        SetScrollY(static_cast<int32_t>(ScrollToLine(below) + TextHeight() + bounds.top - clientheight_));
    }
    const structmetrics& m = metrics_;
    if (caretx_ < bounds.left + m.Pad + origin_.x) {
        SetScrollX(std::max(0, caretcolumn_ - settings.HScrollStep + 1) * m.CellPitch);
    } else if (caretx_ - origin_.x >= clientwidth_) {
        const int64_t codes = int64_t(ColumnCount()) * m.CellPitch;
        const int64_t wanted =
            incodes_ ? int64_t(std::min(caretcolumn_ + settings.HScrollStep, ColumnCount())) * m.CellPitch
                     : codes + WidthOfFirst(valuetext_, std::min<int64_t>(int64_t(caretcolumn_) + settings.HScrollStep,
                                                                          static_cast<int64_t>(valuetext_.size())));
        SetScrollX(static_cast<int32_t>(std::max<int64_t>(0, wanted + bounds.left - clientwidth_ + 2)));
    }
}

platform::rect vwstruct::DrawingBounds() const {
    const structmetrics& m = metrics_;
    return {RoundHalfEven(2 * Settings().HDistance * m.CoordDigitWidth) + m.CoordDigits * m.CoordDigitWidth + m.LinePx + 2,
            LineHeight() + m.LinePx + 4, origin_.x + clientwidth_, clientheight_ + origin_.y + 10};
}

void vwstruct::ReparseAll() {
    root_->Parse();
    RebuildRows();
}

void vwstruct::AppendBytes(const uint8_t* bytes, int32_t count) {
    if (count > 0) bytes_.insert(bytes_.end(), bytes, bytes + count);
}

void vwstruct::LoadFromFile(const std::string& path) {
    bytes_ = LoadDocumentBytes(Cp1251Path(path));
    ReparseAll();
}

void vwstruct::SaveToFile(const std::string& path) { SaveDocumentBytes(Cp1251Path(path), bytes_); }

void vwstruct::ReadBlocks(const blockreader& callback) const {
    const int32_t shag = std::max(1, Settings().Shag);
    bool stop = false;
    for (int64_t offset = 0; offset < DocumentLength() && !stop; offset += shag) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(shag, DocumentLength() - offset));
        callback(count, bytes_.data() + offset, stop);
    }
}

bool vwstruct::Splice(int32_t offset, int32_t count, std::string_view newbytes) {
    const int32_t lastline = lastline_;
    const auto at = bytes_.begin() + offset;
    int32_t recheck = 0;
    if (static_cast<size_t>(count) == newbytes.size()) {
        std::copy(newbytes.begin(), newbytes.end(), at);
        recheck = count > 0 ? root_->Recheck(offset, count) : -1;
    } else {
        bytes_.erase(at, at + count);
        bytes_.insert(bytes_.begin() + offset, newbytes.begin(), newbytes.end());
        root_->RebuildFrom(offset);
        recheck = offset;
    }
    RebuildRows();
    return recheck >= 0 || lastline_ != lastline;
}

bool vwstruct::ReplaceBytes(int32_t offset, int32_t count, std::string_view newbytes, uint8_t caretstate,
                            int32_t caretafter) {
    offset = std::clamp(offset, 0, DocumentLength());
    count = std::clamp(count, 0, DocumentLength() - offset);
    const std::string oldbytes(reinterpret_cast<const char*>(bytes_.data()) + offset, static_cast<size_t>(count));
    const bool changed = Splice(offset, count, newbytes);
    PlaceCaretAt(caretafter);

    edithistory& history = History();
    if (history.CanUndo() && history.UndoList().back().Kind == undokind::OpenRecord) {
        // Typing or pasting over a selection: the new bytes join the deletion as one step.
        undorec open = history.UndoList().back();
        bytesreplaced edit = DecodeBytesReplaced(open.Text);
        edit.newbytes += newbytes;
        edit.caretstate = CaretStateByte(quillmap::InCodes(edit.caretstate), DigitBefore(edit.caretstate),
                                         DigitAfter(caretstate));
        open.Text = EncodeBytesReplaced(edit);
        open.To = {caretafter, 0};
        open.Kind = undokind::BytesReplaced;
        history.ReplaceNewestUndo(std::move(open));
    } else {
        history.Record(undokind::BytesReplaced, EncodeBytesReplaced({offset, caretstate, oldbytes, std::string(newbytes)}),
                       offset, caretafter);
    }
    return changed;
}

void vwstruct::Reverse(undorec record, bool undoing) {
    const bytesreplaced edit = DecodeBytesReplaced(record.Text);
    const int32_t offset = std::clamp(edit.offset, 0, DocumentLength());
    const int32_t count = std::clamp(static_cast<int32_t>(edit.newbytes.size()), 0, DocumentLength() - offset);
    Splice(offset, count, edit.oldbytes);
    PlaceCaretAt(record.From.x);

    undorec inverse;
    inverse.Kind = undokind::BytesReplaced;
    inverse.Text = EncodeBytesReplaced(Inverse(edit));
    inverse.From = record.To;
    inverse.To = record.From;
    if (undoing)
        History().PushRedo(std::move(inverse));
    else
        History().PushUndo(std::move(inverse));
}

void vwstruct::Undo() {
    if (!CanUndo()) return;
    if (UndoList().back().Kind != undokind::BytesReplaced) {
        vwcommon::Undo();
        return;
    }
    Reverse(History().TakeNewestUndo(), true);
}

void vwstruct::Redo() {
    if (!CanRedo()) return;
    if (RedoList().back().Kind != undokind::BytesReplaced) {
        vwcommon::Redo();
        return;
    }
    Reverse(History().TakeNewestRedo(), false);
}

}  // namespace quillmap
