// A press on the description column shows the description item under it whole, in a popup.
#include "views/vwstruct.h"

namespace quillmap {

void vwstruct::ShowDescription(int32_t entry, int64_t y) {
    if (!popups_ || popups_->PopupOpen()) return;
    std::string text;
    const pole* field = rows_.Field(entry);
    if (!field) {
        root_->GapText(rows_.Start(entry), text);
        return popups_->ShowTextPopup(text);
    }
    // The items lie one under another as the painter draws them: a fixed number of lines each,
    // or the block's whole inner height for an item of no fixed size.
    const structmetrics m = Metrics();
    const int64_t inner = BlockHeight(entry) - 2 * int64_t{m.FieldPad};
    int64_t bottom = m.FieldPad;
    for (int32_t item = 0; item < field->ItemCount(); ++item) {
        int32_t lines = 0;
        field->GetItem(item, lines, text);
        bottom += lines > 0 ? int64_t{lines} * LineHeight() : inner;
        if (y < bottom) break;
    }
    popups_->ShowTextPopup(text);
}

}  // namespace quillmap
