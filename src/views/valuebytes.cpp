// The value text of containers, texts, gaps and image data: the caret's row of bytes as
// characters. The caret keeps counting bytes: column c of a row stands for its c-th byte, and a
// column after the row's last character is allowed.
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

// Characters typed where the bytes show as characters are stored as the bytes the chosen encoding
// shows as them (the first such byte); a character it shows for no byte keeps its own code.
std::string BytesShownAs(const vwstruct& view, std::string_view text) {
    const charmaptable& charmap = view.CharMap();
    std::string bytes(text);
    for (char& c : bytes) {
        const auto shown = std::find(charmap.begin(), charmap.end(), static_cast<uint8_t>(c));
        if (shown != charmap.end()) c = static_cast<char>(shown - charmap.begin());
    }
    return bytes;
}

}  // namespace

void valueeditor::EnterBytes() {
    vwstruct& v = view_;
    v.incodes_ = false;
    v.valuelines_.clear();
    v.textline_ = v.rows_.PlaceOfLine(v.caretline_).row;
    v.valuetext_ = v.GetLine(v.caretline_);
    v.caretcolumn_ = std::min(v.caretcolumn_, static_cast<int32_t>(v.valuetext_.size()));
}

void valueeditor::MoveOverBytes(valuemove move, bool shift, int32_t& rememberedx) {
    vwstruct& v = view_;
    int32_t line = v.caretline_;
    int32_t column = v.caretcolumn_;
    const auto length = [&v](int32_t at) { return static_cast<int32_t>(v.GetLine(at).size()); };
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
        } else if (line < v.lastline_ && v.PositionToLinear(0, line + 1) < v.DocumentLength()) {
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
        if (move == valuemove::down) line = std::min(v.lastline_, line + 1);
        if (move == valuemove::pageup || move == valuemove::pagedown) line = v.PageTarget(move == valuemove::pagedown);
        column = std::min(rememberedx, length(line));
        break;
    }
    case valuemove::linestart: column = 0; break;
    case valuemove::lineend: column = length(line); break;
    }
    const lineplace place = v.rows_.PlaceOfLine(line);
    if (place.entry != CaretEntry()) {
        // Another entry's value text, whatever its style: entered at its end from below, at its
        // start from above.
        const bool back = move == valuemove::left || move == valuemove::up;
        const bool ahead = move == valuemove::right || move == valuemove::down;
        EnterEntry(place.entry, back ? -1 : ahead ? 0 : place.row,
                   move == valuemove::left ? std::numeric_limits<int32_t>::max() : column, shift);
    } else {
        v.caretline_ = line;
        v.caretcolumn_ = column;
        v.EnterValueText();
        if (!shift) v.AnchorOnCaret();
    }
    Show();
}

bool valueeditor::TypeByte(char character) {
    vwstruct& v = view_;
    const int32_t byte = v.CaretLinear();
    const bool overwrite = !v.InsertMode() && byte < v.DocumentLength();
    return v.EditValueBytes(byte, overwrite ? 1 : 0, BytesShownAs(v, std::string_view(&character, 1)), byte + 1);
}

bool valueeditor::InsertBytes(std::string_view text) {
    const int32_t pos = view_.CaretLinear();
    return view_.EditValueBytes(pos, 0, BytesShownAs(view_, text), pos + static_cast<int32_t>(text.size()));
}

bool valueeditor::DeleteByte(bool before) {
    vwstruct& v = view_;
    const int32_t byte = v.CaretLinear() - (before ? 1 : 0);
    if (byte < 0 || byte >= v.DocumentLength()) return false;
    return v.EditValueBytes(byte, 1, {}, byte);
}

bool valueeditor::DeleteSelectedBytes() {
    vwstruct& v = view_;
    const int32_t caret = v.CaretLinear();
    const int32_t anchor = v.PositionToLinear(v.anchorcolumn_, v.anchorline_);
    const int32_t from = std::min(caret, anchor);
    const int32_t to = std::min(std::max(caret, anchor), v.DocumentLength());
    if (to <= from) return false;
    return v.EditValueBytes(from, to - from, {}, from);
}

void valueeditor::ClickBytes(int64_t x, int32_t entry, int32_t row, bool extend) {
    vwstruct& v = view_;
    const int32_t line = v.rows_.FirstLine(entry) + std::clamp(row, 0, std::max(1, v.rows_.Rows(entry)) - 1);
    v.caretline_ = line;
    v.caretcolumn_ = ColumnAt(v.GetLine(line), x);
    v.EnterValueText();
    if (!extend) v.AnchorOnCaret();
}

}  // namespace quillmap
