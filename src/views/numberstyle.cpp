#include "views/numberstyle.h"

#include <algorithm>

#include "views/numbertext.h"
#include "views/valuedrawing.h"
#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

void numberstyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field,
                               int32_t row, int32_t) const {
    if (row != 0 || !field) return;
    const valueeditor editor(view);
    const platform::point at{area.left, area.top};
    if (editor.HoldsCaret(field)) {
        const int32_t column = editor.Column();
        const int32_t anchor = editor.AnchorColumn();
        DrawSelectedRuns(view.Canvas(), at, editor.Text(), std::min(column, anchor), std::max(column, anchor));
        return;
    }
    if (start >= view.DocumentLength()) return;
    const std::string text = NumberText(*field);
    DrawSelectedRuns(view.Canvas(), at, text, 0, FieldSelected(view, *field) ? static_cast<int64_t>(text.size()) : 0);
}

void numberstyle::EnterValueText(vwstruct& view, int32_t entry) const {
    valueeditor(view).EnterLines(entry, {NumberText(*view.Rows().Field(entry))});
}

int32_t numberstyle::MaxLength(vwstruct& view) const {
    return MaxNumberLength(valueeditor(view).CaretField()->Length());
}

bool numberstyle::Store(vwstruct& view) const {
    valueeditor editor(view);
    const pole& field = *editor.CaretField();
    const int32_t length = field.Length();
    const auto value = ReadDecimal(editor.Text(), static_cast<int32_t>(std::min<int64_t>(8 * int64_t(length), 64)));
    if (!value) {
        editor.RestoreLine();
        return false;
    }
    return editor.WriteField(field, LittleEndian(*value, length), false);
}

}  // namespace quillmap
