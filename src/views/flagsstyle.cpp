#include "views/flagsstyle.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/flagi.h"
#include "views/numbertext.h"
#include "views/valuedrawing.h"
#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

std::vector<std::string> GroupLines(const flagi& flags) {
    std::vector<std::string> lines;
    for (const uint32_t value : flags.GroupValues()) lines.push_back(std::to_string(value));
    return lines;
}

// The field's bytes with each group's bits replaced by its line's value, laid out as the groups
// are read: from the most significant bit of the first byte down. Bits no group covers stay.
std::string GroupBytes(const flagi& flags, const std::vector<std::string>& lines) {
    std::string bytes(static_cast<size_t>(std::max(flags.Length(), 0)), '\0');
    flags.ReadBytes(flags.Start(), flags.Length(), reinterpret_cast<uint8_t*>(bytes.data()));
    const std::span<const int32_t> widths = flags.GroupWidths();
    size_t bit = 0;
    for (size_t group = 0; group < widths.size() && group < lines.size(); ++group) {
        const uint64_t value = ReadDecimal(lines[group], widths[group]).value_or(0);
        for (int32_t i = widths[group]; i-- > 0; ++bit) {
            if (bit / 8 >= bytes.size()) return bytes;
            const auto mask = static_cast<char>(0x80 >> (bit % 8));
            char& byte = bytes[bit / 8];
            byte = static_cast<char>((value >> i) & 1 ? byte | mask : byte & ~mask);
        }
    }
    return bytes;
}

}  // namespace

void flagsstyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t, const pole* field, int32_t row,
                              int32_t) const {
    if (row != 0 || !field) return;
    const valueeditor editor(view);
    const bool editing = editor.HoldsCaret(field);
    const std::vector<std::string> lines = editing ? editor.Lines() : GroupLines(static_cast<const flagi&>(*field));
    const bool selected = !editing && FieldSelected(view, *field);
    for (size_t line = 0; line < lines.size(); ++line) {
        const platform::point at{area.left, area.top + static_cast<int32_t>(line) * view.LineHeight()};
        if (editing && static_cast<int32_t>(line) == editor.Line()) {
            const int32_t column = editor.Column();
            const int32_t anchor = editor.AnchorColumn();
            DrawSelectedRuns(view.Canvas(), at, editor.Text(), std::min(column, anchor), std::max(column, anchor));
        } else {
            DrawSelectedRuns(view.Canvas(), at, lines[line], 0, selected ? static_cast<int64_t>(lines[line].size()) : 0);
        }
    }
}

void flagsstyle::EnterValueText(vwstruct& view, int32_t entry) const {
    valueeditor(view).EnterLines(entry, GroupLines(static_cast<const flagi&>(*view.Rows().Field(entry))));
}

int32_t flagsstyle::MaxLength(vwstruct& view) const {
    const valueeditor editor(view);
    const std::span<const int32_t> widths = static_cast<const flagi&>(*editor.CaretField()).GroupWidths();
    const auto line = static_cast<size_t>(editor.Line());
    return line < widths.size() ? MaxGroupLength(widths[line]) : 0;
}

bool flagsstyle::Store(vwstruct& view) const {
    valueeditor editor(view);
    const auto& flags = static_cast<const flagi&>(*editor.CaretField());
    const std::span<const int32_t> widths = flags.GroupWidths();
    const auto line = static_cast<size_t>(editor.Line());
    const auto value = line < widths.size() ? ReadDecimal(editor.Text(), widths[line]) : std::nullopt;
    if (!value) {
        editor.RestoreLine();
        return false;
    }
    std::vector<std::string> lines = editor.Lines();
    lines[line] = std::to_string(*value);
    return editor.WriteField(flags, GroupBytes(flags, lines), true);
}

}  // namespace quillmap
