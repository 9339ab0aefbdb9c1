#include "views/compositestyle.h"

#include <algorithm>
#include <string>

#include "views/valuedrawing.h"
#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

void compositestyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole*,
                                  int32_t row, int32_t length) const {
    const std::vector<uint8_t>& bytes = view.Bytes();
    const int64_t columns = view.ColumnCount();
    const int64_t from = start + columns * row;
    const int64_t to = std::min({from + columns, int64_t(start) + length, int64_t(bytes.size())});
    if (from >= to) return;
    // Shown in the encoding the window chose; the bytes themselves stay as they are.
    const charmaptable& charmap = view.CharMap();
    std::string text;
    text.reserve(static_cast<size_t>(to - from));
    for (int64_t i = from; i < to; ++i) text.push_back(static_cast<char>(charmap[bytes[static_cast<size_t>(i)]]));
    const bytespan selected = view.SelectedValueBytes();
    DrawSelectedRuns(view.Canvas(), {area.left, area.top}, text, selected.from - from, selected.to - from);
}

void compositestyle::EnterValueText(vwstruct& view, int32_t) const { valueeditor(view).EnterBytes(); }

void compositestyle::MoveInValueText(vwstruct& view, valuemove move, bool shift, int32_t& rememberedx) const {
    valueeditor(view).MoveOverBytes(move, shift, rememberedx);
}

bool compositestyle::TypeInValueText(vwstruct& view, char character) const {
    return valueeditor(view).TypeByte(character);
}

bool compositestyle::InsertInValueText(vwstruct& view, std::string_view text) const {
    return valueeditor(view).InsertBytes(text);
}

bool compositestyle::DeleteInValueText(vwstruct& view, bool before) const {
    return valueeditor(view).DeleteByte(before);
}

bool compositestyle::DeleteSelectionInValueText(vwstruct& view) const {
    return valueeditor(view).DeleteSelectedBytes();
}

void compositestyle::ClickInValueText(vwstruct& view, int64_t x, int32_t entry, int32_t row, bool extend) const {
    valueeditor(view).ClickBytes(x, entry, row, extend);
}

}  // namespace quillmap
