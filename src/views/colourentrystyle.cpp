#include "views/colourentrystyle.h"

#include "views/valuedrawing.h"
#include "views/valueeditor.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

bool Refuse(vwstruct& view) {
    valueeditor(view).Beep();
    return false;
}

}  // namespace

void colourentrystyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field,
                                    int32_t row, int32_t) const {
    if (row != 0 || !field || start >= view.DocumentLength()) return;
    uint8_t rgb[3] = {};
    field->ReadBytes(start, 3, rgb);
    DrawSwatch(view.Canvas(), {area.left, area.top - 1, area.right, area.bottom}, platform::Rgb(rgb[0], rgb[1], rgb[2]));
}

void colourentrystyle::EnterValueText(vwstruct& view, int32_t entry) const { valueeditor(view).EnterLines(entry, {}); }

bool colourentrystyle::TypeInValueText(vwstruct& view, char) const { return Refuse(view); }

bool colourentrystyle::InsertInValueText(vwstruct& view, std::string_view) const { return Refuse(view); }

bool colourentrystyle::DeleteInValueText(vwstruct& view, bool) const { return Refuse(view); }

bool colourentrystyle::DeleteSelectionInValueText(vwstruct& view) const { return Refuse(view); }

void colourentrystyle::ClickInValueText(vwstruct&, int64_t, int32_t, int32_t, bool) const {}

bool colourentrystyle::Store(vwstruct& view) const { return Refuse(view); }

}  // namespace quillmap
