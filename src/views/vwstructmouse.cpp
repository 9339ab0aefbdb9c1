// The mouse in the structure view: clicks and drags put the caret on a digit, the boxes open and
// close fields. x and y come in the view's own coordinates (window + scroll - margins).
#include <algorithm>
#include <new>

#include "base/settings.h"
#include "views/fieldboxes.h"
#include "views/vwstruct.h"

namespace quillmap {

int64_t vwstruct::MouseBlockTop(int32_t entry) const {
    const structmetrics m = Metrics();
    return int64_t(m.HeaderBottom) + m.LinePx + 1 - origin_.y + BlockTop(entry);
}

int32_t vwstruct::EntryAtMouse(int32_t y) const {
    // The boundary between two blocks lies halfway through the band between them.
    return EntryAtHeight(std::max<int64_t>(0, int64_t(y) - MouseBlockTop(0) + Metrics().FieldLinePx / 2));
}

bool vwstruct::ClickBoxes(int32_t entry, int64_t x, int64_t y) {
    pole* field = rows_.Field(entry);
    if (!field) return false;
    const boxhit hit = BoxAt(Metrics(), x + origin_.x, y - MouseBlockTop(entry));
    cont* target = nullptr;
    if (hit == boxhit::collapse && IsFirstChildOfInnerContainer(*field)) target = field->Parent();
    if (hit == boxhit::expand && field->IsContainer() && !static_cast<cont*>(field)->Expanded())
        target = static_cast<cont*>(field);
    if (!target) return hit != boxhit::none;
    const int32_t caret = CaretLinear();
    const int32_t anchor = AnchorEnd().byte;
    target->SetExpanded(hit == boxhit::expand);
    try {
        RebuildRows();
    } catch (const std::bad_alloc&) {
        // The rows of a container too large to show: it stays as it was.
        target->SetExpanded(hit != boxhit::expand);
        throw;
    }
    // Caret and anchor keep their bytes; a caret in a value text comes back to the codes.
    PlaceCaretAt(anchor);
    const textpos at = LinearToPosition(caret);
    caretcolumn_ = at.column;
    caretline_ = at.line;
    incodes_ = true;
    CalcCaretPixels();
    return true;
}

void vwstruct::MouseButton(int32_t x, int32_t y, bool down, bool extend) {
    const structmetrics m = Metrics();
    const int32_t entry = EntryAtMouse(y);
    const int64_t ux = int64_t(x) + origin_.x;
    if (down && !extend) {
        if (ux >= m.DescLeft) return ShowDescription(entry, y - MouseBlockTop(entry));
        if (ClickBoxes(entry, x, y)) return;
        pole* field = rows_.Field(entry);
        if (field && field->Style() == fieldstyle::ImageData && ImageButtonAt(m, ux, y - MouseBlockTop(entry)))
            return ShowImage(*field);
    }
    const int64_t rowpixels = int64_t(y) - MouseBlockTop(entry) - m.FieldPad;
    const auto row = static_cast<int32_t>(std::clamp<int64_t>(
        rowpixels < 0 ? 0 : rowpixels / LineHeight(), 0, rows_.Rows(entry) - 1));
    const auto column = static_cast<int32_t>(
        std::clamp<int64_t>(ux < m.CodeLeft ? 0 : (ux - m.CodeLeft) / m.CellPitch, 0, ColumnCount() - 1));
    // A drag goes on in the area it began in.
    if (extend ? !incodes_ : ux >= m.ValueLeft) {
        // A drag stays in the entry it began in; the style clamps the row to its own lines.
        const int32_t target = extend ? rows_.PlaceOfLine(caretline_).entry : entry;
        const int64_t textpixels = int64_t(y) - MouseBlockTop(target) - m.FieldPad;
        const auto textrow = static_cast<int32_t>(std::clamp<int64_t>(textpixels / LineHeight(), 0, INT32_MAX));
        ClickInValueText(ux - m.ValueLeft, target, textrow, extend);
        CalcCaretPixels();
        if (down) EnsureCaretVisible();
        return;
    }
    const int32_t rowstart = rows_.Start(entry) + row * ColumnCount();
    const int32_t byte = std::min(rowstart + column, EntryLastPosition(entry));
    int32_t digit = 0;
    int32_t target = byte;
    if (byte < DocumentLength()) {
        // The digit boundary nearest to the point, from the code's right end leftwards.
        const int32_t digits = CodeDigits(byte);
        int64_t boundary = int64_t(m.CodeLeft) + int64_t(byte - rowstart) * m.CellPitch + m.CodeWidth;
        digit = digits;
        while (digit > 0 && boundary - ux > m.DigitWidth / 2) {
            boundary -= m.DigitWidth;
            --digit;
        }
        // After the last digit of a code inside a row is before the first digit of the next.
        if (digit == digits && byte - rowstart < ColumnCount() - 1 && byte < EntryLastPosition(entry)) {
            target = byte + 1;
            digit = 0;
        }
    }
    PlaceCaretOnDigit(target, digit, extend);
    CalcCaretPixels();
    if (down) EnsureCaretVisible();
}

viewcursor vwstruct::MouseMove(int32_t x, int32_t y) {
    // A popup stays only until the user moves on over the view.
    if (popups_ && popups_->PopupOpen()) popups_->CloseCurrentPopup();
    const structmetrics m = Metrics();
    const int32_t entry = EntryAtMouse(y);
    const pole* field = rows_.Field(entry);
    const int64_t ux = int64_t(x) + origin_.x;
    const int64_t below = y - MouseBlockTop(entry);
    if (field && (BoxAt(m, ux, below) != boxhit::none ||
                  (field->Style() == fieldstyle::ImageData && ImageButtonAt(m, ux, below))))
        return viewcursor::handpoint;
    return viewcursor::text;
}

}  // namespace quillmap
