#include "views/vwstruct.h"

#include <algorithm>
#include <cstring>

#include "base/rounding.h"
#include "base/settings.h"
#include "views/digits.h"
#include "views/structpainter.h"

namespace quillmap {

vwstruct::vwstruct(platform::canvas& surface, platform::system& system, const rootmaker& makeroot)
    : vwcommon(surface), system_(system), root_(makeroot(*this)) {
    MeasureGlyphs();
    vwstruct::ReparseAll();
    CalcCaretPixels();
}

void vwstruct::MeasureGlyphs() {
    glyphs_ = quillmap::MeasureGlyphs(canvas_);
    lineheight_ = vwcommon::LineHeight();
}

structmetrics vwstruct::Metrics() const {
    return ComputeMetrics(glyphs_, {origin_.x, origin_.y, clientwidth_, ColumnCount(), lineheight_, printing_});
}

void vwstruct::RecalcMetrics() {
    MeasureGlyphs();
    ReparseAll();
    CalcCaretPixels();
}

void vwstruct::SetFont(const platform::fontspec& font) {
    canvas_.SetFont(font);
    charwidths_.fill(-1);
    MeasureGlyphs();
    // Heights follow the new line height.
    RebuildRows();
    CalcCaretPixels();
}

int32_t vwstruct::ContentHeight() const {
    // The last block top sums every block with its separator band.
    return quillmap::ContentHeight(Metrics(), rows_.BlockTop(rows_.EntryCount()));
}

int32_t vwstruct::ContentWidth() const { return quillmap::ContentWidth(Metrics()); }

void vwstruct::Paint() {
    ForgetRunFields();
    const pageend end = structpainter(*this).Paint();
    lastpage_ = end.lastpage;
    if (!end.lastpage) scrolly_ = end.nextscrolly;
}

void vwstruct::ForgetRunFields() {
    // Nothing of the view holds a run's field from one event to the next; the navigator's rows
    // hold those of the containers they open.
    for (const cont* run : rows_.Runs())
        if (!navigator_ || !navigator_->Outline().Opened(*run)) run->ForgetRunFields();
}

bool vwstruct::HasSelection() const {
    return CaretEnd() != AnchorEnd() || (!incodes_ && Caret() != Anchor());
}

codeselection vwstruct::Selection() const {
    if (!incodes_) return {};
    return SelectionBetween(CaretEnd(), AnchorEnd());
}

bytespan vwstruct::SelectedValueBytes() const {
    if (!incodes_) {
        // A text of the field's own selects characters of its own, no bytes.
        if (!valuelines_.empty()) return {};
        // In the value text caret and anchor stand between characters, that is between bytes.
        const int32_t caret = CaretLinear();
        const int32_t anchor = PositionToLinear(anchorcolumn_, anchorline_);
        return {std::min(caret, anchor), std::max(caret, anchor)};
    }
    return SelectedBytes(CaretEnd(), AnchorEnd());
}

vwstruct::~vwstruct() = default;

int32_t vwstruct::ColumnCount() const { return std::max(1, Settings().ColumnCount); }

std::string vwstruct::GetLine(int32_t line) const { return rows_.GetLine(line, bytes_); }

void vwstruct::RebuildRows() {
    // Built aside and swapped in: when memory runs out, the rows the view had stay.
    rowtable rows;
    rows.SetHeights(LineHeight(), Metrics().FieldLinePx);
    rows.Build(*root_, DocumentLength(), ColumnCount());
    std::swap(rows_, rows);
    lastline_ = rows_.LastLine();
    // Every change of the tree passes here, so the navigator follows from one place.
    if (navigator_) navigator_->Sync();
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
    const structmetrics m = Metrics();
    const int32_t linear = PositionToLinear(caretcolumn_, caretline_);
    const lineplace place = rows_.PlaceOfLine(caretline_);
    const int64_t caretleft0 = int64_t(origin_.x) + RoundHalfEven(3 * Settings().HDistance * m.CoordDigitWidth) +
                               int64_t(m.CoordDigits) * m.CoordDigitWidth + m.LinePx + 1;
    const int64_t top = int64_t(origin_.y) + LineHeight() + m.LinePx + 3 + m.FieldPad + BlockTop(place.entry);
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
    return BlockTop(place.entry) + RoundHalfEven(LineHeight() * (place.row + Settings().FieldDist));
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
    const structmetrics m = Metrics();
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
    const structmetrics m = Metrics();
    return {RoundHalfEven(2 * Settings().HDistance * m.CoordDigitWidth) + m.CoordDigits * m.CoordDigitWidth + m.LinePx + 2,
            LineHeight() + m.LinePx + 4, origin_.x + clientwidth_, clientheight_ + origin_.y + 10};
}

}  // namespace quillmap
