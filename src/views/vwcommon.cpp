#include "views/vwcommon.h"

#include <algorithm>
#include <limits>

#include "base/rounding.h"
#include "base/settings.h"

namespace quillmap {

namespace {

// Pixel sums of long documents are worked out wide and kept within the 32-bit offsets.
int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

vwcommon::vwcommon(platform::canvas& surface, platform::point margins)
    : canvas_(surface), caretx_(margins.x), carety_(margins.y), origin_(margins) {
    charwidths_.fill(-1);
    for (size_t i = 0; i < charmap_.size(); ++i) charmap_[i] = static_cast<uint8_t>(i);
    SetInsertMode(true);
}

vwcommon::~vwcommon() = default;

std::string vwcommon::GetLine(int32_t line) const { return line == 0 ? " " : ""; }

int32_t vwcommon::TextHeight() const {
    const std::string first = GetLine(0);
    return canvas_.TextExtent(first.empty() ? std::string_view(" ") : std::string_view(first).substr(0, 1)).height;
}

int32_t vwcommon::LineHeight() const { return RoundHalfEven((Settings().Distance + 1.0) * TextHeight()); }

int32_t vwcommon::ContentHeight() const {
    if (GetLine(0).empty()) return 0;
    return ToInt32(static_cast<int64_t>(LineHeight()) * (static_cast<int64_t>(lastline_) + 1));
}

int32_t vwcommon::CharWidth(unsigned char character) {
    if (charwidths_[character] < 0) {
        const char c = static_cast<char>(character);
        charwidths_[character] = canvas_.TextExtent(std::string_view(&c, 1)).width;
    }
    return charwidths_[character];
}

int32_t vwcommon::WidthOfFirst(std::string_view text, int32_t count) {
    const size_t n = std::min(text.size(), static_cast<size_t>(std::max(count, 0)));
    int64_t width = 0;
    for (size_t i = 0; i < n; ++i) width += CharWidth(static_cast<unsigned char>(text[i]));
    return ToInt32(width);
}

void vwcommon::CalcCaretPixels() {
    carety_ = ToInt32(static_cast<int64_t>(LineHeight()) * caretline_ - scrolly_);
    const std::string line = caretline_ >= 0 && caretline_ <= lastline_ ? GetLine(caretline_) : std::string();
    caretx_ = ToInt32(static_cast<int64_t>(WidthOfFirst(line, caretcolumn_)) - scrollx_);
}

void vwcommon::EnsureCaretVisible() {
    const settingvalues& settings = Settings();
    const int64_t lineheight = LineHeight();
    const int64_t vstep = static_cast<int64_t>(settings.VScrollStep) - 1;
    if (carety_ < 0) {
        // The caret line comes to rest VScrollStep - 1 lines below the top edge.
        const int64_t above = std::min<int64_t>(caretline_, vstep);
        SetScrollY(ToInt32(lineheight * (caretline_ - above)));
    } else {
        const int32_t textheight = TextHeight();
        if (carety_ > clientheight_ - textheight) {
            const int64_t below = std::min<int64_t>(static_cast<int64_t>(lastline_) - caretline_, vstep);
            SetScrollY(ToInt32(lineheight * (caretline_ + below) + textheight - clientheight_));
        }
    }

    const int64_t hstep = settings.HScrollStep;
    const std::string line = caretline_ >= 0 && caretline_ <= lastline_ ? GetLine(caretline_) : std::string();
    if (caretx_ < 0) {
        const int64_t shown = std::max<int64_t>(0, caretcolumn_ - hstep + 1);
        SetScrollX(WidthOfFirst(line, ToInt32(shown)));
    } else if (caretx_ >= clientwidth_) {
        if (line.size() > 1) {
            const int64_t k = std::min<int64_t>(caretcolumn_ + hstep, static_cast<int64_t>(line.size()));
            SetScrollX(std::max(0, ToInt32(static_cast<int64_t>(WidthOfFirst(line, ToInt32(k))) - clientwidth_ + 2)));
        }
    }
}

bool vwcommon::HasSelection() const { return Caret() != Anchor(); }

void vwcommon::SetInsertMode(bool insert) { insertmode_ = insert; }

int32_t vwcommon::Length() const {
    int64_t length = 0;
    for (int32_t line = 0; line <= lastline_; ++line) length += static_cast<int64_t>(GetLine(line).size());
    return ToInt32(length);
}

void vwcommon::AppendText(std::string_view text) {
    AppendBytes(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size()));
}

void vwcommon::SetFont(const platform::fontspec& font) {
    canvas_.SetFont(font);
    // The widths were measured in the old font.
    charwidths_.fill(-1);
    RecalcMetrics();
}

void vwcommon::SetPosition(int32_t column, int32_t line, bool iscaret) {
    line = std::clamp(line, 0, std::max(lastline_, 0));
    const auto length = static_cast<int32_t>(GetLine(line).size());
    column = std::clamp(column, 0, length);
    if (iscaret) {
        caretcolumn_ = column;
        caretline_ = line;
    } else {
        anchorcolumn_ = column;
        anchorline_ = line;
    }
    CalcCaretPixels();
    EnsureCaretVisible();
}

void vwcommon::PlaceCaretAt(int32_t linear) {
    const textpos at = LinearToPosition(linear);
    SetPosition(at.column, at.line, false);
    SetPosition(at.column, at.line, true);
}

void vwcommon::PlaceAnchorAt(int32_t linear) {
    const textpos at = LinearToPosition(linear);
    SetPosition(at.column, at.line, false);
}

textpos vwcommon::LinearToPosition(int32_t linear) const {
    textpos at{linear, 0};
    auto length = static_cast<int32_t>(GetLine(0).size());
    while (at.column >= length && at.line < lastline_) {
        at.column -= length;
        ++at.line;
        length = static_cast<int32_t>(GetLine(at.line).size());
    }
    return at;
}

int32_t vwcommon::PositionToLinear(int32_t column, int32_t line) const {
    int64_t linear = column;
    for (int32_t before = 0; before < line && before <= lastline_; ++before) {
        linear += static_cast<int64_t>(GetLine(before).size());
    }
    return ToInt32(linear);
}

platform::rect vwcommon::DrawingBounds() const { return {0, 0, 1000000, 1000000}; }

void vwcommon::SetupPopupItem(int32_t, tmnitem&) {}

viewcursor vwcommon::MouseMove(int32_t, int32_t) { return viewcursor::text; }

bool vwcommon::KeyReplacesSelection(char) const { return true; }

void vwcommon::ReparseAll() {}

void vwcommon::SetCaretColumn(int32_t column) {
    caretcolumn_ = column;
    CalcCaretPixels();
}

void vwcommon::SetScrollX(int32_t x) {
    caretx_ = ToInt32(static_cast<int64_t>(caretx_) + scrollx_ - x);
    scrollx_ = x;
}

void vwcommon::SetScrollY(int32_t y) {
    carety_ = ToInt32(static_cast<int64_t>(carety_) + scrolly_ - y);
    scrolly_ = y;
}

void vwcommon::SetClientHeight(int32_t height) {
    if (height > 0) clientheight_ = height;
}

void vwcommon::SetClientWidth(int32_t width) {
    if (width >= 0) clientwidth_ = width;
}

}  // namespace quillmap
