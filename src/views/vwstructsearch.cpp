// The structure view's search and its own menu items, which come with the find and the codes-as-
// text work; until then they find nothing and offer no items.
#include "views/vwstruct.h"

namespace quillmap {

bool vwstruct::FindPhrase(std::string_view, int32_t&, bool, bool) { return false; }
amnaction vwstruct::PopupItems() { return {}; }

}  // namespace quillmap
