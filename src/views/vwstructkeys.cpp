// The caret keys, the mouse, typing, finding and the view's own menu items of the structure
// view. They are built with the caret and editing work; until then they leave the caret and the
// document where they are and report that nothing changed.
#include "views/vwstruct.h"

namespace quillmap {

bool vwstruct::TypeChar(char) { return false; }
bool vwstruct::Insert(std::string_view, bool, bool) { return false; }
bool vwstruct::DeleteAtCaret() { return false; }
bool vwstruct::DeleteSelection(bool, bool) { return false; }
void vwstruct::DeleteLine(bool) {}
bool vwstruct::CaretLeft(bool, bool) { return false; }
bool vwstruct::CaretRight(bool, bool) { return false; }
bool vwstruct::CaretUp(bool, bool, int32_t&) { return false; }
bool vwstruct::CaretDown(bool, bool, int32_t&) { return false; }
void vwstruct::LineStart(bool) {}
void vwstruct::LineEnd(bool) {}
void vwstruct::PageUp(bool, int32_t&) {}
void vwstruct::PageDown(bool, int32_t&) {}
void vwstruct::MouseButton(int32_t, int32_t, bool, bool) {}
std::string vwstruct::CharNearCaret(bool) const { return {}; }
bool vwstruct::FindPhrase(std::string_view, int32_t&, bool, bool) { return false; }
amnaction vwstruct::PopupItems() { return {}; }

}  // namespace quillmap
